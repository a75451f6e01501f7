#pragma once
// Starting other programs, opening web addresses, and what the program knows of itself.

#include "platform/platform.h"
#include "win32/system_library.h"

namespace tamrill::win32 {

SysError startProgram(const Text& commandLine, const Text& currentFolder, const Text& programPath);
SysError runAndWait(const Text& commandLine, const Text& currentFolder);
SysError openWebAddress(const Text& address, SystemLibrary& shell32);
Text programFolder();
Text commandLine();
Text currentFolder();
Text systemFolder();
[[noreturn]] void endProgram();

}  // namespace tamrill::win32
