// What a screen reader hears for the main window's controls: buttons and labels by their
// captions, the path box by a name of its own, as the path it shows says nothing of what it is.

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "app/application.h"
#include "win32/form_window.h"
#include "win32/win32_platform.h"

namespace tamrill::test {
namespace {

std::wstring accessibleName(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    return L"<no accessible object>";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT got = object->get_accName(self, &name);
  object->Release();
  if (FAILED(got) || name == nullptr) return L"<no name>";
  std::wstring text(name, ::SysStringLen(name));
  ::SysFreeString(name);
  return text;
}

// Windows need a display: the GUI scenario "accessibility" runs this on an Xvfb of its own.
TEST(Accessibility, EveryReachableControlOfTheMainWindowHasAName) {
  if (::GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) GTEST_SKIP() << "no display";
  ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    win32::Win32Platform platform(::GetModuleHandleW(nullptr));
    Application app(platform, platform);
    ASSERT_TRUE(platform.createMainWindow(app.form1));
    // Controls are numbered in layout order.
    const auto control = [&](const ui::Control& wanted) {
      UINT id = win32::kFirstControlId;
      for (const auto& c : app.form1.controls()) {
        if (c.get() == &wanted) break;
        ++id;
      }
      return ::GetDlgItem(::FindWindowW(L"TamrillForm", L"Tamrill"), static_cast<int>(id));
    };
    const HWND text1 = control(app.form1.text1);
    ASSERT_NE(text1, nullptr);
    app.form1.text1.setCaption(u"C:\\projekt\\blik.asm");
    EXPECT_EQ(accessibleName(text1), L"Otevřený *.asm soubor");
    EXPECT_EQ(accessibleName(control(app.form1.command1)), L"Otevřít ASM");
    EXPECT_EQ(accessibleName(control(app.form1.command7)), L"Nápověda");
    EXPECT_EQ(accessibleName(control(app.form1.label1)), L"nenačteno...");
    platform.closeAllWindows();
  }
  ::CoUninitialize();
}

}  // namespace
}  // namespace tamrill::test
