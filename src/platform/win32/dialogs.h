#pragma once
// The modal boxes and dialogs the core asks for.

#include <optional>
#include <string>

#include "platform/platform.h"

namespace tamrill::win32 {

MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                          MessageButtons buttons);
std::optional<ChosenFile> chooseFileToOpen(const Text& filter);

// "Description|pattern|..." in the form the file dialogs take: each part ended by a NUL and
// the whole by a second one.
std::wstring dialogFilter(const Text& filter);

}  // namespace tamrill::win32
