#pragma once
// The Notepad view: every file the program shows, it shows through this one helper, so that the
// command line and the failure message are the same wherever a file is opened.

#include "base/text.h"
#include "platform/platform.h"

namespace tamrill {

// Starts the system's Notepad on the path, in a normal focused window, without waiting.
// When Notepad cannot be started, an error box titled "Chyba" names the command line that
// failed; the program goes on either way.
void showInNotepad(Platform& platform, const Text& path);

}  // namespace tamrill
