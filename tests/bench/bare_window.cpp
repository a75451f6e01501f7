// The yardsticks of the start-up benchmark: the least a Win32 program does to put a window of
// Tamrill's main window's size and style on screen. It uses kernel32, user32 and gdi32 only.
// Built a second time with BARE_THEMED and Tamrill's own manifest, it asks for the themed common
// controls as Tamrill does and shows one button, which is what makes the system load them.
// Built a third time with BARE_CONTROLS as well, it shows all of Tamrill's main window's controls
// where Tamrill has them, with nothing of Tamrill's own work: what those windows alone cost.

#include <windows.h>

namespace {

// The main window's client area, 4455 x 2415 twips, at 96 dots per inch.
constexpr int kClientWidth = 297;
constexpr int kClientHeight = 161;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

#ifdef BARE_THEMED
struct ChildWindow {
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  DWORD exStyle;
  RECT place;  // left, top, width, height
};

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
#ifdef BARE_CONTROLS
// As they stand once Tamrill has started: the path box, "Otevřít ASM" enabled, the other four
// file buttons disabled, the report label, and the three buttons of the bottom row.
constexpr ChildWindow kChildren[] = {
    {L"EDIT", L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE, {8, 8, 281, 41}},
    {L"BUTTON", L"Open", kButton, 0, {8, 56, 89, 25}},
    {L"BUTTON", L"Show", kButton | WS_DISABLED, 0, {104, 56, 89, 25}},
    {L"BUTTON", L"Build", kButton | WS_DISABLED, 0, {200, 56, 89, 25}},
    {L"BUTTON", L"Listing", kButton | WS_DISABLED, 0, {8, 88, 89, 25}},
    {L"BUTTON", L"HEX", kButton | WS_DISABLED, 0, {104, 88, 89, 25}},
    {L"STATIC", L"none", SS_NOTIFY | SS_CENTER, 0, {210, 93, 61, 13}},
    {L"BUTTON", L"Help", kButton, 0, {8, 128, 89, 25}},
    {L"BUTTON", L"About", kButton, 0, {104, 128, 89, 25}},
    {L"BUTTON", L"Exit", kButton, 0, {200, 128, 89, 25}},
};
#else
// Where Tamrill's "Otevřít ASM" stands, with its size.
constexpr ChildWindow kChildren[] = {{L"BUTTON", L"OK", kButton, 0, {8, 56, 89, 25}}};
#endif
#endif

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
  for (const ChildWindow& child : kChildren) {
    if (::CreateWindowExW(child.exStyle, child.className, child.text,
                          WS_CHILD | WS_VISIBLE | child.style, child.place.left, child.place.top,
                          child.place.right, child.place.bottom, window, nullptr, instance,
                          nullptr) == nullptr) {
      return 1;
    }
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
