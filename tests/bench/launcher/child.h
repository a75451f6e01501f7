#pragma once
// One program started by the benchmark: when its window is up and idle, what memory it holds,
// and closing it again.

#include <windows.h>

#include <string>

namespace bench {

// Seconds since an arbitrary start, from the performance counter.
double now();

struct MemoryFigures {
  double workingSetMiB = 0;
  double peakWorkingSetMiB = 0;
  DWORD handles = 0;
};

class Child {
 public:
  Child() = default;
  ~Child();
  Child(Child&& other) noexcept;
  Child& operator=(Child&& other) noexcept;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Starts the command line in the folder the way Tamrill starts its assembler: handles
  // inherited, no window flags. Complains and returns a child that is not running on failure.
  static Child start(const std::wstring& commandLine, const std::wstring& folder);

  bool running() const { return process_ != nullptr; }
  // Waits until the process is idle for input and has a visible top-level window; returns the
  // window, or null after the time-out.
  HWND waitUntilShown(DWORD timeoutMs);
  // Waits for the process to end; false after the time-out.
  bool waitForExit(DWORD timeoutMs);
  MemoryFigures memory() const;
  // Asks the window to close, and ends the process when it does not within a few seconds.
  void close(HWND window);

 private:
  void release();

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace bench
