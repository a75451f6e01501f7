#include "assembly/cleanup.h"

#include "ui/main/form1.h"

namespace tamrill {

// After the timed clean-up the result buttons come in step with the files on disk.
void Form1::timer1Timer() {
  if (!cleanupTick(platform_, state_)) return;
  if (!platform_.fileExists(state_.listingPath)) command4.setEnabled(false);
  if (!platform_.fileExists(state_.hexPath)) command5.setEnabled(false);
}

void Form1::form1Unload() {
  exitCleanup(platform_, state_);
}

// "Konec" ends the program as closing the window does: copies left behind would pass for the
// user's own files at the next start.
void Form1::command6Click() {
  exitCleanup(platform_, state_);
}

void Form1::sessionEnding() {
  sessionEndCleanup(platform_, state_);
}

}  // namespace tamrill
