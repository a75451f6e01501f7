// What the user does, turned into the model's events. Every event goes through Form::deliver,
// which drops it while another handler runs.

#include <algorithm>

#include "win32/form_window.h"
#include "win32/wide.h"

namespace tamrill::win32 {

void FormWindow::onCommand(UINT id, UINT code, HWND from) {
  Rendered* item = findById(id);
  if (item == nullptr) return;
  switch (item->control->kind()) {
    case ui::ControlKind::Button:
      if (code == BN_CLICKED) form_.deliver(item->control, ui::Event::Click);
      break;
    case ui::ControlKind::Label:
      // Sent by the label itself when the button is let go over it (see controlProc).
      if (code == STN_CLICKED) form_.deliver(item->control, ui::Event::Click);
      if (code == STN_DBLCLK) form_.deliver(item->control, ui::Event::DblClick);
      break;
    case ui::ControlKind::TextBox:
      // What the user types is what the model holds.
      if (code == EN_CHANGE && from != nullptr) {
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(from)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            ::GetWindowTextW(from, text.data(), static_cast<int>(text.size()))));
        item->control->takeCaptionFromUser(fromWide(text));
      }
      break;
    default:
      break;
  }
}

void FormWindow::onVerticalScroll(HWND bar, UINT code) {
  Rendered* item = findByWindow(bar);
  if (item == nullptr || item->control->kind() != ui::ControlKind::ScrollBar) return;
  ui::ScrollAction action{};
  switch (code) {
    case SB_LINEUP:
      action = ui::ScrollAction::LineUp;
      break;
    case SB_LINEDOWN:
      action = ui::ScrollAction::LineDown;
      break;
    case SB_PAGEUP:
      action = ui::ScrollAction::PageUp;
      break;
    case SB_PAGEDOWN:
      action = ui::ScrollAction::PageDown;
      break;
    case SB_TOP:
      action = ui::ScrollAction::Top;
      break;
    case SB_BOTTOM:
      action = ui::ScrollAction::Bottom;
      break;
    case SB_THUMBTRACK:
      action = ui::ScrollAction::Track;
      break;
    case SB_THUMBPOSITION:
      action = ui::ScrollAction::Release;
      break;
    case SB_ENDSCROLL:
      // Wine's themed bar goes on showing the part just let go of as pressed; drawn afresh, it
      // shows it as it is.
      ::InvalidateRect(bar, nullptr, FALSE);
      return;
    default:
      return;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS;
  if (::GetScrollInfo(bar, SB_CTL, &info) == FALSE) return;
  form_.scroll(*item->control, action, info.nTrackPos);
  // A move the model refused (another handler was running) leaves the thumb where it was.
  ::SetScrollPos(bar, SB_CTL, item->control->value(), TRUE);
}

bool FormWindow::onKeyDown(UINT key) {
  // With the focus on the window rather than on its scroll bar, the paging keys still page.
  ui::ScrollAction action{};
  switch (key) {
    case VK_PRIOR:
      action = ui::ScrollAction::PageUp;
      break;
    case VK_NEXT:
      action = ui::ScrollAction::PageDown;
      break;
    case VK_HOME:
      action = ui::ScrollAction::Top;
      break;
    case VK_END:
      action = ui::ScrollAction::Bottom;
      break;
    default:
      return false;
  }
  form_.scrollKey(action);
  return true;
}

void FormWindow::onTimer(UINT id) {
  Rendered* item = findById(id);
  if (item != nullptr && item->control->kind() == ui::ControlKind::Timer) {
    form_.deliver(item->control, ui::Event::Timer);
  }
}

ui::Control* FormWindow::imageAt(const ui::Control* container, POINT at) {
  // The layout lists the topmost control first.
  for (const Rendered& item : items_) {
    const ui::Control& control = *item.control;
    if (control.kind() != ui::ControlKind::Image || control.container() != container ||
        !control.visible()) {
      continue;
    }
    const RECT area = areaOf(item);
    if (::PtInRect(&area, at) != FALSE) return item.control;
  }
  return nullptr;
}

void FormWindow::onMouseMove(ui::Control* container, POINT at) {
  ui::Control* image = imageAt(container, at);
  pointerOver(image);
  form_.deliver(image != nullptr ? image : container, ui::Event::MouseMove);
}

void FormWindow::onButtonDown(ui::Control* container, POINT at) {
  pressedImage_ = imageAt(container, at);
  if (const Rendered* item = pressedImage_ != nullptr ? find(*pressedImage_) : nullptr) {
    quietTip(*item);
  }
}

void FormWindow::onButtonUp(ui::Control* container, POINT at) {
  ui::Control* image = imageAt(container, at);
  const bool click = image != nullptr && image == pressedImage_;
  pressedImage_ = nullptr;
  if (click) form_.deliver(image, ui::Event::Click);
}

void FormWindow::onDoubleClick(ui::Control* container, POINT at) {
  // The first press of the pair was a click already; its second release is not another.
  pressedImage_ = nullptr;
  if (ui::Control* image = imageAt(container, at)) form_.deliver(image, ui::Event::DblClick);
}

bool FormWindow::onSetCursor(ui::Control* container, HWND window) {
  POINT at{};
  ::GetCursorPos(&at);
  ::ScreenToClient(window, &at);
  const ui::Control* image = imageAt(container, at);
  if (image == nullptr || image->design().cursor != ui::Cursor::HelpArrow) return false;
  ::SetCursor(::LoadCursorW(nullptr, IDC_HELP));
  return true;
}

}  // namespace tamrill::win32
