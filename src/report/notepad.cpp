#include "report/notepad.h"

#include "app/application.h"

namespace tamrill {

namespace {

Text reasonOf(SysError error) {
  switch (error) {
    case SysError::NotFound:
      return u"Program nebyl nalezen.";
    case SysError::AccessDenied:
      return u"Přístup byl odepřen.";
    case SysError::BadExeFormat:
      return u"Tento program nelze v tomto systému spustit.";
    default:
      return u"Systém spuštění odmítl.";
  }
}

}  // namespace

void showInNotepad(Application& app, const Text& path) {
  // Quoted, so that a path with blanks is one argument.
  const Text commandLine = u"notepad \"" + path + u"\"";
  // By its full path: searched for, a notepad.exe in the program's folder or in the current
  // folder (a downloaded folder, when the program was opened from it) would run instead.
  const Text program = app.platform.systemFolder() + u"\\notepad.exe";
  const SysError error = app.platform.startProgram(commandLine, {}, program);
  if (error == SysError::None) return;
  app.platform.showMessage(u"Nelze spustit příkaz \"" + commandLine + u"\".\n" + reasonOf(error),
                           u"Chyba", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tamrill
