#pragma once
// The program's side of a modal box or dialog: while it is up, the program's other windows take
// no input; afterwards the window that was active is active again, and so its focus is back on
// the control that had it.

#include <windows.h>

#include <span>
#include <vector>

namespace tamrill::win32 {

class ModalScope {
 public:
  // windows: the program's top-level windows. A task-modal message box disables them itself;
  // a dialog disables only its owner, so the others are disabled here.
  ModalScope(std::span<const HWND> windows, bool disableOthers);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  HWND active_;
  std::vector<HWND> disabled_;
};

}  // namespace tamrill::win32
