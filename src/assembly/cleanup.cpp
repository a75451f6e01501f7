#include "assembly/cleanup.h"

#include <algorithm>

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

namespace {

// What could not be removed before (a copy held open by another program, one on a drive that
// is gone, the copies that ended Tamrills left) is tried again without a word, at intervals
// that grow: a network share that has gone away can take seconds to say so. The first try, at
// the first tick, leaves start-up as quick as a bare window's.
void retryLeftovers(Platform& platform, ProgramState& state) {
  if (state.endedSessionsSwept && !state.staged.pending()) return;
  if (state.retryCountdown > 1) {
    --state.retryCountdown;
    return;
  }
  if (!state.endedSessionsSwept) {
    state.endedSessionsSwept = removeEndedSessionsCopies(platform, state.staged);
  }
  const bool left = !removeStagedCopies(platform, state.staged, Removal::WhenFree).empty() ||
                    !state.endedSessionsSwept;
  constexpr int kLongestInterval = 32;
  state.retryInterval = left ? std::min(state.retryInterval * 2, kLongestInterval) : 1;
  state.retryCountdown = state.retryInterval;
}

}  // namespace

bool cleanupTick(Platform& platform, ProgramState& state) {
  if (!state.assembled) {
    retryLeftovers(platform, state);
    return false;
  }
  state.cleanupTicks += 1;
  if (state.cleanupTicks != 2) return false;

  static_cast<void>(removeStagedCopies(platform, state.staged, Removal::WhenFree));
  state.cleanupTicks = 0;
  state.assembled = false;
  // What stayed is tried again from the next tick on.
  state.retryCountdown = 0;
  state.retryInterval = 1;
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
