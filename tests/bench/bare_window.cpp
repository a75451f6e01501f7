// The yardsticks of the start-up benchmark: the least a Win32 program does to put a window of
// Tamrill's main window's size and style on screen. It uses kernel32, user32 and gdi32 only.
// Built a second time with BARE_THEMED and Tamrill's own manifest, it asks for the themed common
// controls as Tamrill does and shows one button, which is what makes the system load them.

#include <windows.h>

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
#ifdef BARE_THEMED
  // Where Tamrill's "Otevřít ASM" stands, with its size.
  if (::CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8,
                        56, 89, 25, window, nullptr, instance, nullptr) == nullptr) {
    return 1;
  }
#endif
  ::ShowWindow(window, show);
  ::UpdateWindow(window);

  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
