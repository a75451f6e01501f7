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
  if (!state.assembled) return false;
  state.cleanupTicks += 1;
  if (state.cleanupTicks != 2) return false;

  // A copy that cannot be deleted now stays recorded; the exit clean-up tries it again.
  static_cast<void>(removeStagedCopies(platform, state.staged));
  state.cleanupTicks = 0;
  state.assembled = false;
  // The flags stay: they still say which copies the last staged run made.
  return true;
}

void exitCleanup(Platform& platform, ProgramState& state) {
  const std::vector<CopyLeft> left = removeStagedCopies(platform, state.staged);
  if (!left.empty()) {
    platform.showMessage(copiesLeftText(left), u"Chyba", MessageIcon::Error, MessageButtons::Ok);
  }
  platform.endProgram();
}

void sessionEndCleanup(Platform& platform, ProgramState& state) {
  static_cast<void>(removeStagedCopies(platform, state.staged));
  platform.endProgram();
}

}  // namespace tamrill
