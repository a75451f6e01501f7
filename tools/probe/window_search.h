#pragma once
// Finding top-level windows and their controls, and reading what they show.

#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// A window is named by its whole title, or by a title prefix written with a trailing '*'.
struct WindowQuery {
  std::wstring title;
  bool prefix = false;
  const wchar_t* className = nullptr;  // only windows of this class, when given
};
WindowQuery parseWindowQuery(const std::wstring& text);

std::vector<HWND> findWindows(const WindowQuery& query);
std::vector<HWND> visibleTopLevelWindows();
std::vector<HWND> descendants(HWND window);
// A control named by Tamrill's layout name (Command1, Label1) or, failing that, by its text.
HWND findControl(HWND window, const std::wstring& nameOrText);

std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
std::wstring layoutNameOf(HWND control);  // empty for controls that are not Tamrill's
// The control's rectangle relative to the top-level window's client area: x,y,w,h.
RECT clientRectOf(HWND control, HWND topLevel);

}  // namespace probe
