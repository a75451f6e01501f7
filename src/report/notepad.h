#pragma once
// The Notepad view: every file the program shows, it shows through this one helper, so that the
// command line and the failure message are the same wherever a file is opened.

#include "base/text.h"

namespace tamrill {

class Application;

// Starts the system's Notepad on the path, in a normal focused window, without waiting.
// When Notepad cannot be started, an error box titled "Chyba" names the command line that
// failed; the program goes on either way.
void showInNotepad(Application& app, const Text& path);

}  // namespace tamrill
