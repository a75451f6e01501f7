// Opening the file the desktop shell started the program with: a quoted *.asm path opens that
// source; a quoted *.hex or *.lst path opens the source of the same name beside it, when there is
// one, and shows the given file in Notepad.

#include <algorithm>

#include "app/application.h"
#include "base/paths.h"
#include "report/notepad.h"

namespace tamrill {

void openFromCommandLine(Application& app) {
  Platform& platform = app.platform;
  ProgramState& state = app.state;
  Form1& form = app.form1;
  Text& pairedSourcePath = form.pairedSourcePath;
  Text& pairedSourceFileName = form.pairedSourceFileName;

  // The argument text as Windows passes it, taken as one string: only its end is looked at.
  const Text commandLine = platform.commandLine();
  const Text ending = toLower(rightChars(commandLine, 5));
  Text quoteless = commandLine;
  std::erase(quoteless, u'"');
  // Some tools pass "C:/projekt/blik.asm": the same path to Windows, but the program cuts its
  // paths at backslashes only, so the slashes are turned before anything is cut from it.
  std::replace(quoteless.begin(), quoteless.end(), u'/', u'\\');
  // Against the folder the program started in, once: the copies and their clean-ups must not
  // depend on whatever the current folder is later.
  const Text path = absolutePath(quoteless, platform.startFolder());

  if (ending == u".asm\"") {
    state.sourcePath = path;
    state.sourceFileName = fileNameOf(path);
    // Whether the file exists is told later, by the commands that use it. A failed listing scan
    // has already left the window as far as loading got; the program goes on.
    (void)form.loadSource();
    return;
  }
  if (ending != u".hex\"" && ending != u".lst\"") return;

  const Text name = fileNameOf(path);
  pairedSourceFileName = baseNameOf(name) + u".asm";
  pairedSourcePath = folderOf(path, name) + pairedSourceFileName;

  if (platform.fileExists(pairedSourcePath)) {
    state.sourcePath = pairedSourcePath;
    state.sourceFileName = pairedSourceFileName;
    // The user asked to see this very file: a listing whose summary cannot be read spoils the
    // report of the source, not the view, so Notepad opens it all the same.
    (void)form.loadSource();
  } else {
    form.pairedSourceMissing();
  }
  showInNotepad(platform, path);
}

}  // namespace tamrill
