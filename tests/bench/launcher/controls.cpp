#include "controls.h"

namespace bench {

namespace {

constexpr wchar_t kControlNameProperty[] = L"TamrillControlName";
// Long enough for any answer; a window that stops answering fails the benchmark.
constexpr UINT kAnswerTimeoutMs = 60000;

std::wstring layoutNameOf(HWND control) {
  const auto atom =
      static_cast<ATOM>(reinterpret_cast<UINT_PTR>(::GetPropW(control, kControlNameProperty)));
  if (atom == 0) return {};
  wchar_t name[64] = {};
  const UINT length = ::GlobalGetAtomNameW(atom, name, 64);
  return std::wstring(name, length);
}

}  // namespace

HWND findControl(HWND window, const std::wstring& layoutName) {
  struct Search {
    const std::wstring* name;
    HWND found;
  } search{&layoutName, nullptr};
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        if (layoutNameOf(child) != *search->name) return TRUE;
        search->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring textOf(HWND control) {
  wchar_t text[256] = {};
  DWORD_PTR copied = 0;
  if (::SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                            kAnswerTimeoutMs, &copied) == 0) {
    return {};
  }
  return std::wstring(text, copied);
}

bool setText(HWND control, const std::wstring& text) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_NORMAL, kAnswerTimeoutMs, &result) != 0;
}

}  // namespace bench
