// Start-up: what the main window's Load runs. It checks the tools in the program's folder and
// shows the window, then tells of a missing tool, so that the message appears over the window.

#include "app/application.h"
#include "base/paths.h"
#include "ui/show_window.h"

namespace tamrill {

void startUp(Application& app) {
  Platform& platform = app.platform;
  ProgramState& state = app.state;
  Form1& form = app.form1;

  const Text folder = platform.programFolder();
  TextView missing;
  for (const TextView tool :
       {TextView(kAssemblerFileName), TextView(kMod51FileName), TextView(kMod52FileName)}) {
    if (!platform.fileExists(folder + u"\\" + Text(tool))) {
      missing = tool;
      break;
    }
  }
  // Enabled before the window is drawn, "Otevřít ASM" is drawn once: enabling it afterwards
  // would paint it a second time, which under Wine is a noticeable part of start-up.
  if (missing.empty()) form.command1.setEnabled(true);

  ui::showWindow(app.host, platform, form);
  if (!missing.empty()) {
    form.toolMissing(missing);
    return;
  }

  state.appAssemblerPath = folder + u"\\" + kAssemblerFileName;
  state.assemblerFileName = kAssemblerFileName;
  const Text prefix = folderOf(state.appAssemblerPath, state.assemblerFileName);
  state.appMod51Path = prefix + kMod51FileName;
  state.appMod52Path = prefix + kMod52FileName;
  state.appFolder = prefix;

  openFromCommandLine(app);
}

}  // namespace tamrill
