#include "window_search.h"

#include <array>

namespace probe {

namespace {
constexpr wchar_t kControlNameProperty[] = L"TamrillControlName";
}

WindowQuery parseWindowQuery(const std::wstring& text) {
  WindowQuery query;
  query.title = text;
  if (!text.empty() && text.back() == L'*') {
    query.title.pop_back();
    query.prefix = true;
  }
  return query;
}

std::vector<HWND> visibleTopLevelWindows() {
  std::vector<HWND> found;
  ::EnumWindows(
      [](HWND window, LPARAM list) -> BOOL {
        if (::IsWindowVisible(window) != FALSE) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> findWindows(const WindowQuery& query) {
  std::vector<HWND> found;
  for (HWND window : visibleTopLevelWindows()) {
    const std::wstring title = textOf(window);
    const bool matches = query.prefix ? title.compare(0, query.title.size(), query.title) == 0
                                      : title == query.title;
    if (!matches) continue;
    if (query.className != nullptr && classOf(window) != query.className) continue;
    found.push_back(window);
  }
  return found;
}

std::vector<HWND> descendants(HWND window) {
  std::vector<HWND> found;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND findControl(HWND window, const std::wstring& nameOrText) {
  const std::vector<HWND> controls = descendants(window);
  for (HWND control : controls) {
    if (layoutNameOf(control) == nameOrText) return control;
  }
  for (HWND control : controls) {
    if (textOf(control) == nameOrText) return control;
  }
  return nullptr;
}

std::wstring textOf(HWND window) {
  // A window that hangs must not hang the probe.
  DWORD_PTR length = 0;
  if (::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length) == 0) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, 2000, &copied) == 0) {
    return {};
  }
  text.resize(copied);
  return text;
}

std::wstring classOf(HWND window) {
  std::array<wchar_t, 256> name{};
  const int length = ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return {name.data(), static_cast<std::size_t>(length > 0 ? length : 0)};
}

std::wstring layoutNameOf(HWND control) {
  const auto atom =
      static_cast<ATOM>(reinterpret_cast<UINT_PTR>(::GetPropW(control, kControlNameProperty)));
  if (atom == 0) return {};
  std::array<wchar_t, 256> name{};
  const UINT length = ::GlobalGetAtomNameW(atom, name.data(), static_cast<int>(name.size()));
  return {name.data(), length};
}

RECT clientRectOf(HWND control, HWND topLevel) {
  RECT area{};
  ::GetWindowRect(control, &area);
  ::MapWindowPoints(HWND_DESKTOP, topLevel, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

}  // namespace probe
