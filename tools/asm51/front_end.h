#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

namespace asm51::cli {

enum ExitCode : int { kClean = 0, kErrors = 1, kCannotRead = 2 };

// Assembles the source named by the first argument, in the current folder,
// into NAME.hex and NAME.lst. Messages go to `console`.
// Running out of memory ends it with kCannotRead and a message, and leaves an
// empty HEX file so that no code of an earlier run is taken for this one's.
int runFrontEnd(const std::vector<std::filesystem::path>& arguments, std::FILE* console);

// Runs `work`; when it runs out of memory, empties the HEX file at `hexPath`,
// says so on `console` and gives kCannotRead.
int guardMemory(const std::function<int()>& work, const std::filesystem::path& hexPath,
                std::FILE* console);

}  // namespace asm51::cli
