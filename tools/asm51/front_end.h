#pragma once

#include <cstdio>
#include <filesystem>
#include <vector>

namespace asm51::cli {

enum ExitCode : int { kClean = 0, kErrors = 1, kCannotRead = 2 };

// Assembles the source named by the first argument, in the current folder,
// into NAME.hex and NAME.lst. Messages go to `console`.
int runFrontEnd(const std::vector<std::filesystem::path>& arguments, std::FILE* console);

}  // namespace asm51::cli
