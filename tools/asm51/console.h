#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace asm51::cli {

// Platform halves (console_posix.cpp / console_win.cpp).
// Writes UTF-8 text to `stream` in the form its reader expects: a Windows
// console gets it as UTF-16, a redirected stream in the console's code page.
void writeText(std::FILE* stream, std::string_view utf8);
// A path as UTF-8, for the listing's header and the messages.
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace asm51::cli
