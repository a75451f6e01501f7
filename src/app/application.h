#pragma once
// The one program-state object: the platform it runs on, the program state, and the three
// windows, each of which exists once for the whole run.

#include "state/program_state.h"
#include "platform/platform.h"
#include "ui/about/form2.h"
#include "ui/event_gate.h"
#include "ui/help/form3.h"
#include "ui/main/form1.h"

namespace tamrill {

class Application {
 public:
  explicit Application(Platform& platform);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Platform& platform;
  ProgramState state;
  ui::EventGate gate;
  Form1 form1;  // the main window
  Form2 form2;  // the about window
  Form3 form3;  // the help window
};

}  // namespace tamrill
