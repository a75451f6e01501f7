#include "report/notepad.h"

#include "base/failure_text.h"

namespace tamrill {

void showInNotepad(Platform& platform, const Text& path) {
  // Quoted, so that a path with blanks is one argument.
  const Text commandLine = u"notepad \"" + path + u"\"";
  // By its full path: searched for, a notepad.exe in the program's folder or in the current
  // folder (a downloaded folder, when the program was opened from it) would run instead.
  const Text program = platform.systemFolder() + u"\\notepad.exe";
  const SysError error = platform.startProgram(commandLine, {}, program);
  if (error == SysError::None) return;
  platform.showMessage(u"Nelze spustit příkaz \"" + commandLine + u"\".\n" +
                           failureReason(error, Attempt::ProgramStart),
                       u"Chyba", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tamrill
