// Every label of the three windows shows all of its text: measured with the label's own font and
// as the label lays it out (wrapped at its width), the text fits the label's box. Under Wine this
// depends on the font the prefix draws "MS Sans Serif" with.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "win32/form_window.h"
#include "win32/win32_platform.h"

namespace tamrill::test {
namespace {

std::vector<HWND> windowsOfThisThread() {
  std::vector<HWND> found;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM list) {
        wchar_t name[32] = {};
        ::GetClassNameW(window, name, 32);
        if (std::wstring(name) == L"TamrillForm") {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> labelsOf(HWND window) {
  std::vector<HWND> found;
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        wchar_t name[32] = {};
        ::GetClassNameW(child, name, 32);
        if (_wcsicmp(name, L"Static") == 0)
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring nameOf(HWND control) {
  wchar_t name[64] = {};
  const auto atom = static_cast<ATOM>(
      reinterpret_cast<UINT_PTR>(::GetPropW(control, win32::kControlNameProperty)));
  if (atom == 0 || ::GlobalGetAtomNameW(atom, name, 64) == 0) return L"?";
  return name;
}

// Empty when the label's text fits its box; otherwise what it needs and what it has.
std::wstring misfit(HWND label) {
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
  if (font == nullptr) return L"no font of its own";
  RECT box{};
  ::GetClientRect(label, &box);
  const LONG style = ::GetWindowLongW(label, GWL_STYLE);
  UINT format = DT_CALCRECT | DT_EXPANDTABS;
  if ((style & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
  const LONG type = style & SS_TYPEMASK;
  // Left, centred and right-aligned labels wrap at their width; the other kinds keep one line.
  format |= type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT ? DT_WORDBREAK : DT_SINGLELINE;

  const HDC dc = ::GetDC(label);
  const HGDIOBJ old = ::SelectObject(dc, font);
  RECT need{0, 0, box.right, 0};
  ::DrawTextW(dc, textOf(label).c_str(), -1, &need, format);
  ::SelectObject(dc, old);
  ::ReleaseDC(label, dc);
  if (need.right <= box.right && need.bottom <= box.bottom) return {};
  return L"needs " + std::to_wstring(need.right) + L"x" + std::to_wstring(need.bottom) + L", has " +
         std::to_wstring(box.right) + L"x" + std::to_wstring(box.bottom);
}

std::string utf8(const std::wstring& text) {
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  bytes.resize(bytes.empty() ? 0 : bytes.size() - 1);
  return bytes;
}

// Windows need a display: the GUI scenario "look" runs this on an Xvfb of its own.
TEST(Look, EveryLabelShowsAllOfItsTextInTheThreeWindows) {
  if (::GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) GTEST_SKIP() << "no display";
  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  Application app(platform, platform);
  ASSERT_TRUE(platform.createMainWindow(app.form1));
  ASSERT_TRUE(platform.showForm(app.form3));
  ASSERT_TRUE(platform.showForm(app.form2));

  const std::vector<HWND> windows = windowsOfThisThread();
  ASSERT_EQ(windows.size(), 3U);
  std::size_t measured = 0;
  std::wstring misfits;
  for (HWND window : windows) {
    for (HWND label : labelsOf(window)) {
      ++measured;
      const std::wstring problem = misfit(label);
      if (!problem.empty()) {
        misfits += L"\n  " + textOf(window) + L" " + nameOf(label) + L" \"" + textOf(label) +
                   L"\": " + problem;
      }
    }
  }
  // Every label of the models has a window, and was measured.
  std::size_t labels = 0;
  for (const ui::Form* form :
       {static_cast<ui::Form*>(&app.form1), static_cast<ui::Form*>(&app.form2),
        static_cast<ui::Form*>(&app.form3)}) {
    for (const auto& control : form->controls()) {
      if (control->kind() == ui::ControlKind::Label) ++labels;
    }
  }
  EXPECT_GT(labels, 20U);
  EXPECT_EQ(measured, labels);
  EXPECT_TRUE(misfits.empty()) << "labels that cut their text off:" << utf8(misfits);
  platform.closeAllWindows();
}

}  // namespace
}  // namespace tamrill::test
