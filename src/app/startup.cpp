// Start-up: what the main window's Load runs. It shows the window before anything else, so that a
// message about a missing tool appears over it and, with the file buttons still disabled, the
// path box takes the first focus; then it checks the tools in the program's folder.

#include "app/application.h"
#include "base/paths.h"
#include "ui/show_window.h"

namespace tamrill {

void startUp(Application& app) {
  Platform& platform = app.platform;
  ProgramState& state = app.state;
  Form1& form = app.form1;

  ui::showWindow(app.host, platform, form);

  const Text folder = platform.programFolder();
  for (const TextView tool :
       {TextView(kAssemblerFileName), TextView(kMod51FileName), TextView(kMod52FileName)}) {
    if (!platform.fileExists(folder + u"\\" + Text(tool))) {
      form.toolMissing(tool);
      return;
    }
  }

  form.command1.setEnabled(true);
  state.appAssemblerPath = folder + u"\\" + kAssemblerFileName;
  state.assemblerFileName = kAssemblerFileName;
  const Text prefix = folderOf(state.appAssemblerPath, state.assemblerFileName);
  state.appMod51Path = prefix + kMod51FileName;
  state.appMod52Path = prefix + kMod52FileName;
  state.appFolder = prefix;

  openFromCommandLine(app);
}

}  // namespace tamrill
