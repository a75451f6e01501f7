#include <cstdio>

#include "front_end.h"

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return asm51::cli::runFrontEnd(arguments, stdout);
}
