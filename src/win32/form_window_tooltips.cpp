// The controls' tips. They are made when the mouse first comes over the window, not with the
// window: a tip window and a tool for every control cost start-up time that a user who never
// points at anything would pay for nothing.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "win32/form_window.h"
#include "win32/wide.h"

namespace tamrill::win32 {

void FormWindow::makeTooltips() {
  if (triedTooltips_ || !window_) return;
  triedTooltips_ = true;
  const auto initCommonControls =
      comctl32_.function<decltype(::InitCommonControlsEx)>("InitCommonControlsEx");
  if (initCommonControls == nullptr) return;
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_BAR_CLASSES;
  if (initCommonControls(&classes) == FALSE) return;
  tooltip_ =
      ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr, instance_, nullptr);
  if (tooltip_ == nullptr) return;
  for (const Rendered& item : items_) addTooltip(item);
}

void FormWindow::addTooltip(const Rendered& item) {
  const char16_t* text = item.control->design().tooltip;
  if (tooltip_ == nullptr || text == nullptr || *text == u'\0') return;
  std::wstring tip = wide(text);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.lpszText = tip.data();
  if (item.window != nullptr) {
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = item.container;
    tool.uId = reinterpret_cast<UINT_PTR>(item.window);
  } else if (item.control->kind() == ui::ControlKind::Image) {
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = item.container;
    tool.uId = item.id;
    tool.rect = areaOf(item);
  } else {
    return;
  }
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// A click hides the clicked control's tip until the pointer has left the control: the tip
// control alone would bring it back at the hand's next small move, over whatever the click
// brought up.
void FormWindow::quietTip(const Rendered& item) {
  const char16_t* text = item.control->design().tooltip;
  if (tooltip_ == nullptr || text == nullptr || *text == u'\0') return;
  ::SendMessageW(tooltip_, TTM_POP, 0, 0);
  ::SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
  quietTip_ = item.control;
  TRACKMOUSEEVENT leaving{sizeof(leaving), TME_LEAVE,
                          item.window != nullptr ? item.window : item.container, 0};
  ::TrackMouseEvent(&leaving);
}

void FormWindow::pointerOver(const ui::Control* control) {
  if (quietTip_ == nullptr || control == quietTip_) return;
  quietTip_ = nullptr;
  if (tooltip_ != nullptr) ::SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

}  // namespace tamrill::win32
