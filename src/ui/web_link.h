#pragma once
// Opening a web address from a link of the help or about window.

#include "platform/platform.h"

namespace tamrill::ui {

// Hands address to the shell's default action. When that fails (no browser, say), one "Chyba"
// box tells the user which address could not be opened; the window then goes on as before.
void openLink(Platform& platform, const Text& address);

}  // namespace tamrill::ui
