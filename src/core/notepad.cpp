#include "core/notepad.h"

#include "core/application.h"

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
  const Text commandLine = u"notepad " + path;
  const SysError error = app.platform.startProgram(commandLine, {});
  if (error == SysError::None) return;
  app.platform.showMessage(u"Nelze spustit příkaz \"" + commandLine + u"\".\n" + reasonOf(error),
                           u"Chyba", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tamrill
