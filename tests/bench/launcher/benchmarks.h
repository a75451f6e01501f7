#pragma once
// The benchmarks themselves. Each prints its figures and returns false when it could not run.

#include <string>

namespace bench {

// Where the programs lie for the run: copies in a temporary folder, as a user installs them.
struct Layout {
  std::wstring appFolder;      // tamrill.exe with asm51.exe, mod51 and mod52 beside it
  std::wstring bareFolder;     // bare_window.exe and bare_window_themed.exe
  std::wstring projectFolder;  // blink.asm alone: Tamrill stages the tools there
  std::wstring directFolder;   // blink.asm with the tools, for the assembler on its own
};

// Starts the two bare windows and Tamrill in turn, `starts` times each after one start of each
// that does not count; prints the median times to a shown, idle window and the working sets then,
// and Tamrill's against the bare window that asks for the same themed controls.
bool startupBenchmark(const Layout& layout, int starts);

// Presses "Přeložit" on blink.asm `runs` times, each time in turn with the same assembler
// started directly on the same source; prints the median times and Tamrill's memory over them.
bool assembleBenchmark(const Layout& layout, int runs);

}  // namespace bench
