#pragma once
// The one program-state object: the platform it runs on, the program state, and the three
// windows, each of which exists once for the whole run.

#include "platform/platform.h"
#include "state/program_state.h"
#include "ui/about/form2.h"
#include "ui/event_gate.h"
#include "ui/form_host.h"
#include "ui/help/form3.h"
#include "ui/main/form1.h"

namespace tamrill {

class Application {
 public:
  Application(Platform& platform, ui::FormHost& host);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Platform& platform;
  ui::FormHost& host;
  ProgramState state;
  ui::EventGate gate;
  Form2 form2;  // the about window
  Form3 form3;  // the help window
  Form1 form1;  // the main window
};

// The main window's Load: shows it, checks the tools in the program's folder, then opens what
// the command line names.
void startUp(Application& app);

// Opens the file the desktop shell started the program with.
void openFromCommandLine(Application& app);

}  // namespace tamrill
