// The clean-ups of staged copies: the timed one, two ticks after a staged run, which also brings
// the result buttons in step with the files on disk, and the one when the main window closes.

#include "assembly/staging.h"
#include "core/application.h"

namespace tamrill {

void Form1::timer1Timer() {
  ProgramState& state = app_.state;
  if (state.assembled != kTrue) return;
  state.cleanupTicks += 1;
  if (state.cleanupTicks != 2) return;

  // A copy that cannot be deleted now stays recorded; closing the window tries it again.
  removeStagedCopies(app_, PresenceTest::Skip);
  if (!app_.platform.fileExists(state.listingPath)) command4.setEnabled(false);
  if (!app_.platform.fileExists(state.hexPath)) command5.setEnabled(false);
  state.cleanupTicks = 0;
  state.assembled = kFalse;
  // The flags stay: they still say which copies the last staged run made.
}

void Form1::form1Unload() {
  removeStagedCopies(app_, PresenceTest::First);
  app_.platform.endProgram();
}

}  // namespace tamrill
