// What the user does, turned into the model's events. Every event goes through Form::deliver,
// which drops it while another handler runs.

#include <algorithm>

#include "platform/win32/form_window.h"

namespace tamrill::win32 {

void FormWindow::onCommand(UINT id, UINT code) {
  Rendered* item = findById(id);
  if (item == nullptr) return;
  switch (item->control->kind()) {
    case ui::ControlKind::Button:
      if (code == BN_CLICKED) form_.deliver(item->control, ui::Event::Click);
      break;
    case ui::ControlKind::Label:
      if (code == STN_CLICKED) form_.deliver(item->control, ui::Event::Click);
      if (code == STN_DBLCLK) form_.deliver(item->control, ui::Event::DblClick);
      break;
    default:
      break;
  }
}

void FormWindow::onVerticalScroll(HWND bar, UINT code) {
  Rendered* item = findByWindow(bar);
  if (item == nullptr || item->control->kind() != ui::ControlKind::ScrollBar) return;
  ui::Control& control = *item->control;
  const ui::ControlDesign& design = control.design();
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (::GetScrollInfo(bar, SB_CTL, &info) == FALSE) return;

  int value = control.value();
  ui::Event event = ui::Event::Change;
  switch (code) {
    case SB_LINEUP:
      value -= design.smallChange;
      break;
    case SB_LINEDOWN:
      value += design.smallChange;
      break;
    case SB_PAGEUP:
      value -= design.largeChange;
      break;
    case SB_PAGEDOWN:
      value += design.largeChange;
      break;
    case SB_TOP:
      value = info.nMin;
      break;
    case SB_BOTTOM:
      value = info.nMax;
      break;
    case SB_THUMBTRACK:
      value = info.nTrackPos;
      event = ui::Event::Scroll;
      break;
    case SB_THUMBPOSITION:
      value = info.nTrackPos;
      break;
    default:
      return;  // SB_ENDSCROLL
  }
  value = std::clamp(value, info.nMin, info.nMax);
  const bool moved = value != control.value();
  ::SetScrollPos(bar, SB_CTL, value, TRUE);
  control.takeValueFromUser(value);
  // Letting go of the thumb always reports a change, as the last drag step may have been it.
  if (moved || code == SB_THUMBPOSITION) form_.deliver(&control, event);
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
  form_.deliver(image != nullptr ? image : container, ui::Event::MouseMove);
}

void FormWindow::onButtonDown(ui::Control* container, POINT at) {
  pressedImage_ = imageAt(container, at);
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
