#include <cstdio>

#include "front_end.h"

// Wide arguments keep Czech letters and other characters outside the
// system code page intact.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::filesystem::path> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return asm51::cli::runFrontEnd(arguments, stdout);
}
