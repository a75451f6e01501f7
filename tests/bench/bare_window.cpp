// The yardstick of the start-up benchmark: the least a Win32 program does to put a window of
// Tamrill's main window's size and style on screen. It uses kernel32, user32 and gdi32 only.
// Built a second time with BARE_WITH_IMPORTS, it also imports shell32, comdlg32 and comctl32,
// to show what loading those costs on its own.

#include <windows.h>

#ifdef BARE_WITH_IMPORTS
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#endif

namespace {

// The main window's client area, 4455 x 2415 twips, at 96 dots per inch.
constexpr int kClientWidth = 297;
constexpr int kClientHeight = 161;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
#ifdef BARE_WITH_IMPORTS
  // Referenced so that the linker keeps the three imports; none of them does any work here.
  if (::GetKeyState(VK_F24) < -1) {
    ::InitCommonControls();
    ::CommDlgExtendedError();
    ::DragFinish(nullptr);
  }
#endif
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareWindow";
  if (::RegisterClassExW(&windowClass) == 0) return 1;

  RECT area{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&area, kStyle, FALSE, 0);
  const HWND window = ::CreateWindowExW(
      0, L"BareWindow", L"Bare", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, area.right - area.left,
      area.bottom - area.top, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ::ShowWindow(window, show);
  ::UpdateWindow(window);

  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
