#pragma once
// The modal boxes and dialogs the core asks for.

#include <optional>
#include <string>

#include "platform/platform.h"
#include "win32/system_library.h"

namespace tamrill::win32 {

MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                          MessageButtons buttons);
// Nothing when the user cancels, or when comdlg32 cannot be loaded.
std::optional<ChosenFile> chooseFileToOpen(const Text& filter, SystemLibrary& comdlg32);

// "Description|pattern|..." in the form the file dialogs take: each part ended by a NUL and
// the whole by a second one.
std::wstring dialogFilter(const Text& filter);

}  // namespace tamrill::win32
