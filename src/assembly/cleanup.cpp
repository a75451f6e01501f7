// The clean-ups of staged copies: the timed one, two ticks after a staged run, which also brings
// the result buttons in step with the files on disk; the one when the program ends through its
// window or "Konec"; and the silent one when the Windows session ends.

#include "base/failure_text.h"
#include "state/staged_copies.h"
#include "app/application.h"

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

void exitCleanup(Application& app) {
  const std::vector<CopyLeft> left = removeStagedCopies(app.platform, app.state.staged);
  if (!left.empty()) {
    app.platform.showMessage(copiesLeftText(left), u"Chyba", MessageIcon::Error,
                             MessageButtons::Ok);
  }
  app.platform.endProgram();
}

}  // namespace

void Form1::timer1Timer() {
  ProgramState& state = app_.state;
  if (state.assembled != kTrue) return;
  state.cleanupTicks += 1;
  if (state.cleanupTicks != 2) return;

  // A copy that cannot be deleted now stays recorded; the exit clean-up tries it again.
  static_cast<void>(removeStagedCopies(app_.platform, state.staged));
  if (!app_.platform.fileExists(state.listingPath)) command4.setEnabled(false);
  if (!app_.platform.fileExists(state.hexPath)) command5.setEnabled(false);
  state.cleanupTicks = 0;
  state.assembled = kFalse;
  // The flags stay: they still say which copies the last staged run made.
}

void Form1::form1Unload() {
  exitCleanup(app_);
}

// "Konec" ends the program as closing the window does: copies left behind would pass for the
// user's own files at the next start.
void Form1::command6Click() {
  exitCleanup(app_);
}

void Form1::sessionEnding() {
  static_cast<void>(removeStagedCopies(app_.platform, app_.state.staged));
  app_.platform.endProgram();
}

}  // namespace tamrill
