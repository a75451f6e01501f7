#include "assembly/run_assembler.h"

#include "base/failure_text.h"

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

bool runAssembler(Platform& platform, const Text& commandLine, const Text& folder) {
  const SysError error = platform.runAndWait(commandLine, folder);
  if (error == SysError::None) return true;
  platform.showMessage(startFailureText(commandLine, error), u"Chyba", MessageIcon::Error,
                       MessageButtons::Ok);
  return false;
}

bool writtenByRun(const StampResult& before, const FileStamp& after, std::uint64_t runStart) {
  if (before.error != SysError::None || before.stamp != after) return true;
  // Unchanged to the last step of its time stamp. On NTFS that means the run did not write it.
  // A FAT drive (a student's USB stick) keeps times in 2-second steps only, so a file that the
  // run rewrote with the same size within the 2-second step of the old one looks unchanged; it
  // is taken as new when its time is not older than the step in which the run began. Only an
  // old file written in that same step, a moment before the run, can then pass for new, and it
  // is then at most two seconds old.
  constexpr std::uint64_t kTwoSeconds = 20'000'000;
  return after.lastWrite >= runStart - runStart % kTwoSeconds;
}

}  // namespace tamrill
