// Model changes pushed to the real controls, each on screen before the setter returns: a label
// changed just before a modal box must already show its new text while the box is up.

#include "win32/form_window.h"
#include "win32/wide.h"

namespace tamrill::win32 {

void FormWindow::formCaptionChanged(ui::Form& form) {
  if (window_) ::SetWindowTextW(window_.get(), wide(form.caption()).c_str());
}

void FormWindow::controlChanged(ui::Control& control, ui::Property property) {
  Rendered* item = find(control);
  if (item == nullptr || !window_) return;
  const HWND window = item->window;
  if (control.kind() == ui::ControlKind::Timer) {
    if (property == ui::Property::Enabled) startTimer(*item);
    return;
  }
  if (window == nullptr) {
    // Painted by the container: a line or a picture cannot move, so its area is enough.
    redraw(*item);
    return;
  }

  // A control that stays in place and paints all of itself needs only its own repaint. A
  // transparent label leaves its old text behind unless what lies beneath is painted again, and
  // one that moved, grew or hid leaves a part of its old place: repaint, in one go, where it was
  // and where it is now.
  const bool isLabel = control.kind() == ui::ControlKind::Label;
  const bool staysInPlace =
      property == ui::Property::Enabled || property == ui::Property::Value ||
      (property == ui::Property::Caption && !(isLabel && control.design().autoSize));
  const bool selfPainted = staysInPlace && (!isLabel || control.opaque());
  const RECT before = selfPainted ? RECT{} : areaOf(*item);
  switch (property) {
    case ui::Property::Caption:
      ::SetWindowTextW(window, wide(control.caption()).c_str());
      if (control.design().autoSize && control.kind() == ui::ControlKind::Label)
        placeControl(*item);
      break;
    case ui::Property::Enabled:
      // A disabled control cannot keep the focus: it moves on, as Tab would take it.
      if (!control.enabled() && ::GetFocus() == window) {
        const HWND next = ::GetNextDlgTabItem(window_.get(), window, FALSE);
        ::SetFocus(next != nullptr && next != window ? next : window_.get());
      }
      ::EnableWindow(window, control.enabled() ? TRUE : FALSE);
      break;
    case ui::Property::Visible:
      ::ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case ui::Property::Position:
      placeControl(*item);
      break;
    case ui::Property::Value:
      ::SetScrollPos(window, SB_CTL, control.value(), FALSE);  // drawn below
      break;
    case ui::Property::ForeColor:
    case ui::Property::BackStyle:
      break;
  }
  if (selfPainted) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (property == ui::Property::Value) keepCaretOnThumb(window);
    return;
  }
  const RECT after = areaOf(*item);
  RECT both{};
  ::UnionRect(&both, &before, &after);
  redrawArea(item->container, both);
}

// A scroll bar with the focus flashes its thumb with a caret, which the system places where the
// thumb is when the bar takes the focus and then leaves there: it would go on blinking at the
// old place, a second thumb.
void FormWindow::keepCaretOnThumb(HWND bar) {
  if (::GetFocus() != bar) return;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (::GetScrollBarInfo(bar, OBJID_CLIENT, &info) == FALSE) return;
  ::SetCaretPos(1, info.xyThumbTop + 1);
}

void FormWindow::redraw(const Rendered& item) {
  redrawArea(item.container, areaOf(item));
}

void FormWindow::redrawArea(HWND container, RECT area) {
  if (container == nullptr) return;
  ::RedrawWindow(container, &area, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace tamrill::win32
