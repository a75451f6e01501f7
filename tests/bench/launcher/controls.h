#pragma once
// Tamrill's controls seen from outside, by the layout names it gives them.

#include <windows.h>

#include <string>

namespace bench {

HWND findControl(HWND window, const std::wstring& layoutName);
std::wstring textOf(HWND control);
bool setText(HWND control, const std::wstring& text);

}  // namespace bench
