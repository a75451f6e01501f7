// Every label of the three windows shows all of its text: measured with the label's own font and
// as the label lays it out (wrapped at its width), the text fits the label's box. Under Wine this
// depends on the font the prefix draws "MS Sans Serif" with.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "win32/unique_handles.h"
#include "win32/win32_platform.h"

namespace tamrill::test {
namespace {

bool isOfClass(HWND window, const wchar_t* wanted) {
  wchar_t name[32] = {};
  ::GetClassNameW(window, name, 32);
  return _wcsicmp(name, wanted) == 0;
}

BOOL CALLBACK addLabel(HWND child, LPARAM labels) {
  if (isOfClass(child, L"Static")) reinterpret_cast<std::vector<HWND>*>(labels)->push_back(child);
  return TRUE;
}

BOOL CALLBACK addLabelsOfForm(HWND window, LPARAM labels) {
  if (isOfClass(window, L"TamrillForm")) ::EnumChildWindows(window, addLabel, labels);
  return TRUE;
}

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
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
  // Left, centred and right-aligned labels wrap at their width; the other kinds keep one line.
  const LONG type = style & SS_TYPEMASK;
  format |= type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT ? DT_WORDBREAK : DT_SINGLELINE;

  const win32::unique_window_dc dc(label);
  const win32::scoped_select selected(dc.get(), font);
  RECT need{0, 0, box.right, 0};
  ::DrawTextW(dc.get(), textOf(label).c_str(), -1, &need, format);
  if (need.right <= box.right && need.bottom <= box.bottom) return {};
  return L"needs " + std::to_wstring(need.right) + L"x" + std::to_wstring(need.bottom) + L", has " +
         std::to_wstring(box.right) + L"x" + std::to_wstring(box.bottom);
}

// Windows need a display: the GUI scenario "look" runs this on an Xvfb of its own.
TEST(Look, EveryLabelShowsAllOfItsTextInTheThreeWindows) {
  if (::GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) GTEST_SKIP() << "no display";
  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  Application app(platform, platform);
  ASSERT_TRUE(platform.createMainWindow(app.form1));
  ASSERT_TRUE(platform.showForm(app.form3));
  ASSERT_TRUE(platform.showForm(app.form2));

  std::vector<HWND> labels;
  ::EnumThreadWindows(::GetCurrentThreadId(), addLabelsOfForm, reinterpret_cast<LPARAM>(&labels));
  // Every label of the three models has a window, and is measured.
  std::size_t modelled = 0;
  for (const ui::Form* form :
       std::initializer_list<const ui::Form*>{&app.form1, &app.form2, &app.form3}) {
    for (const auto& control : form->controls()) {
      if (control->kind() == ui::ControlKind::Label) ++modelled;
    }
  }
  EXPECT_GT(modelled, 20U);
  EXPECT_EQ(labels.size(), modelled);

  std::wstring misfits;
  for (HWND label : labels) {
    const std::wstring problem = misfit(label);
    if (!problem.empty()) {
      misfits += L"\n  " + textOf(::GetAncestor(label, GA_ROOT)) + L" \"" + textOf(label) +
                 L"\": " + problem;
    }
  }
  EXPECT_TRUE(misfits.empty()) << "labels that cut their text off:" << misfits;
  platform.closeAllWindows();
}

// A themed button has the form paint what lies beneath its rounded corners into the button's
// own drawing.
TEST(Look, TheMainWindowPrintsWhatLiesBeneathItsControls) {
  if (::GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) GTEST_SKIP() << "no display";
  win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  Application app(platform, platform);
  ASSERT_TRUE(platform.createMainWindow(app.form1));
  const HWND form = ::FindWindowW(L"TamrillForm", L"Tamrill");
  ASSERT_NE(form, nullptr);
  RECT client{};
  ::GetClientRect(form, &client);
  const win32::unique_window_dc screen(nullptr);
  const win32::unique_memory_dc dc(screen.get());
  const win32::unique_hbitmap canvas(
      ::CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  const win32::scoped_select selected(dc.get(), canvas.get());
  const win32::unique_hbrush stranger(::CreateSolidBrush(RGB(1, 2, 3)));
  ::FillRect(dc.get(), &client, stranger.get());

  ::SendMessageW(form, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  // Line1 runs at 120 pixels (1800 twips) between the second and the third row of buttons.
  EXPECT_EQ(::GetPixel(dc.get(), 150, 120), ::GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(::GetPixel(dc.get(), 150, 116), ::GetSysColor(COLOR_BTNFACE));
  platform.closeAllWindows();
}

}  // namespace
}  // namespace tamrill::test
