#include "win32/modal_scope.h"

namespace tamrill::win32 {

ModalScope::ModalScope(std::span<const HWND> windows, bool disableOthers)
    : active_(::GetActiveWindow()) {
  if (!disableOthers) return;
  for (const HWND window : windows) {
    if (window == nullptr || window == active_ || ::IsWindowEnabled(window) == FALSE) continue;
    ::EnableWindow(window, FALSE);
    disabled_.push_back(window);
  }
}

ModalScope::~ModalScope() {
  for (const HWND window : disabled_) {
    if (::IsWindow(window) != FALSE) ::EnableWindow(window, TRUE);
  }
  // When the box goes, its windows are still disabled and the system may activate none of them.
  if (active_ != nullptr && ::IsWindow(active_) != FALSE && ::IsWindowVisible(active_) != FALSE &&
      ::GetActiveWindow() != active_) {
    ::SetForegroundWindow(active_);
  }
}

}  // namespace tamrill::win32
