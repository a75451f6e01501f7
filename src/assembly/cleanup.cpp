#include "assembly/cleanup.h"

#include "base/failure_text.h"
#include "state/staged_copies.h"

namespace tamrill {

namespace {

// The files an exit clean-up could not delete, and why, for one box before the program ends:
// the user should know what stays in their folder.
Text copiesLeftText(const std::vector<CopyLeft>& left) {
  Text text =
      u"Tyto pomocné soubory, které program zkopíroval ke zdrojovému souboru, se "
      u"nepodařilo smazat:\n";
  for (const CopyLeft& copy : left) {
    text += u"\n" + copy.path + u"\n" + fileFailureReason(copy.error) + u"\n";
  }
  return text + u"\nSmažte je prosím ručně.";
}

}  // namespace

bool cleanupTick(Platform& platform, ProgramState& state) {
  // Not at start-up, which stays as quick as a bare window's: at the first tick, a second later.
  if (!state.endedSessionsSwept) {
    state.endedSessionsSwept = removeEndedSessionsCopies(platform, state.staged);
  }
  if (!state.assembled) {
    // A copy that could not be deleted (held open by another program, its drive gone) is tried
    // again at every tick, without a word: the exit clean-up names what stays.
    if (state.staged.pending()) {
      static_cast<void>(removeStagedCopies(platform, state.staged, Removal::WhenFree));
    }
    return false;
  }
  state.cleanupTicks += 1;
  if (state.cleanupTicks != 2) return false;

  static_cast<void>(removeStagedCopies(platform, state.staged, Removal::WhenFree));
  state.cleanupTicks = 0;
  state.assembled = false;
  // The flags stay: they still say which copies the last staged run made.
  return true;
}

void exitCleanup(Platform& platform, ProgramState& state) {
  const std::vector<CopyLeft> left = removeStagedCopies(platform, state.staged, Removal::Now);
  if (!left.empty()) {
    platform.showMessage(copiesLeftText(left), u"Chyba", MessageIcon::Error, MessageButtons::Ok);
  }
  platform.endProgram();
}

void sessionEndCleanup(Platform& platform, ProgramState& state) {
  // What cannot be deleted now (the assembler still running) stays recorded for the next start.
  static_cast<void>(removeStagedCopies(platform, state.staged, Removal::Now));
  platform.endProgram();
}

}  // namespace tamrill
