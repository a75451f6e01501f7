#include "assembly/run_assembler.h"

#include "assembly/failure_text.h"
#include "core/application.h"

namespace tamrill {

namespace {

Text startFailureText(const Text& commandLine, SysError error) {
  const Text first = u"Nelze spustit překladač ASM51.EXE (" + commandLine + u").\n";
  // The classic assembler is a 16-bit DOS program, which 64-bit Windows refuses outright.
  if (error == SysError::BadExeFormat) {
    return first +
           u"Tato verze Windows neumí soubor ASM51.EXE spustit: jde o 16bitový program. "
           u"Použijte 32bitovou nebo 64bitovou verzi překladače.";
  }
  return first + fileFailureReason(error);
}

Text quotedWhereNeeded(const Text& part) {
  return part.find(u' ') == Text::npos ? part : u"\"" + part + u"\"";
}

}  // namespace

Text assemblerCommandLine(const Text& programPath, const Text& baseName) {
  return quotedWhereNeeded(programPath) + u" " + quotedWhereNeeded(baseName);
}

void runAssembler(Application& app, const Text& commandLine, const Text& folder, Waiting waiting) {
  const SysError error = waiting == Waiting::UntilEnded
                             ? app.platform.runAndWait(commandLine, folder)
                             : app.platform.startProgram(commandLine, folder);
  if (error == SysError::None) return;
  app.platform.showMessage(startFailureText(commandLine, error), u"Chyba", MessageIcon::Error,
                           MessageButtons::Ok);
}

}  // namespace tamrill
