#pragma once

#include <optional>
#include <string_view>

#include "diagnostics.h"

namespace asm51 {

// Why a file named by $INCLUDE or #include is not opened at all: a path to
// another computer or into a device namespace (\\, //, \\?\, \\.\, \??\),
// or a device such as CON or COM1, which reading would wait on for ever.
// Decided from the name alone, before anything touches the file system.
std::optional<ErrorCode> refusedIncludeName(std::string_view name);

// True when some part of the path names a device, with or without an
// extension: CON, NUL, AUX, PRN, COM1-COM9, LPT1-LPT9 and the console's own.
bool namesDevice(std::string_view path);

}  // namespace asm51
