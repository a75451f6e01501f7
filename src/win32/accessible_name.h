#pragma once
// A control whose accessible name is not its window text (the path box shows a path, not what it
// is): its WM_GETOBJECT is answered with the system's own accessible object for it, with only the
// name changed. The accessibility libraries are loaded when a screen reader first asks, so that
// a start without one pays nothing for them.

#include <windows.h>

#include <string>

namespace tamrill::win32 {

// The answer to WM_GETOBJECT for control; 0 (let the control answer) for any object but its
// client area, or when the accessibility libraries are not there.
LRESULT accessibleObjectNamed(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name);

}  // namespace tamrill::win32
