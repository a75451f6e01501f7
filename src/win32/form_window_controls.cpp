// Making the real controls of a form and keeping their place and size in step with the model.

#include "win32/form_window.h"

#include <cstring>
#include "win32/metrics.h"
#include "win32/wide.h"

namespace tamrill::win32 {

namespace {

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind windowKindOf(const ui::Control& control) {
  const ui::ControlDesign& design = control.design();
  switch (control.kind()) {
    case ui::ControlKind::Button:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ui::ControlKind::Label:
      // SS_NOTIFY: labels report clicks and take the mouse themselves.
      return {
          L"STATIC",
          SS_NOTIFY | SS_NOPREFIX |
              static_cast<DWORD>(design.alignment == ui::Alignment::Centre ? SS_CENTER : SS_LEFT),
          0};
    case ui::ControlKind::TextBox:
      return {
          L"EDIT",
          WS_TABSTOP | ES_LEFT |
              static_cast<DWORD>(design.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL),
          WS_EX_CLIENTEDGE};
    case ui::ControlKind::ScrollBar:
      return {L"SCROLLBAR", WS_TABSTOP | SBS_VERT, 0};
    case ui::ControlKind::Frame:
      return {L"TamrillFrame", 0, WS_EX_CONTROLPARENT};
    case ui::ControlKind::RichTextBox:
      // Hidden for good and never read: a window for it would only cost start-up time.
    case ui::ControlKind::Line:
    case ui::ControlKind::Image:
    case ui::ControlKind::Timer:
      break;
  }
  return {nullptr, 0, 0};
}

}  // namespace

HWND FormWindow::containerWindow(const ui::Control* container) const {
  if (container == nullptr) return window_.get();
  for (const Rendered& item : items_) {
    if (item.control == container) return item.window;
  }
  return nullptr;
}

bool FormWindow::createControl(Rendered& item) {
  ui::Control& control = *item.control;
  item.container = containerWindow(control.container());
  if (item.container == nullptr) return false;
  const WindowKind kind = windowKindOf(control);
  if (kind.className == nullptr) return true;  // painted by its container, a timer, or unseen

  DWORD style = WS_CHILD | kind.style;
  if (control.visible()) style |= WS_VISIBLE;
  if (!control.enabled()) style |= WS_DISABLED;
  const bool isFrame = control.kind() == ui::ControlKind::Frame;
  // Made where it belongs: moving it there afterwards costs every control a round of messages.
  const RECT place = placementOf(item);
  item.window =
      ::CreateWindowExW(kind.exStyle, kind.className, wide(control.caption()).c_str(), style,
                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                        item.container, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)),
                        instance_, isFrame ? static_cast<LPVOID>(this) : nullptr);
  if (item.window == nullptr) return false;

  // Its name from the layout, for screen readers and the UI tests (as a global atom, so
  // another process can read it).
  const std::wstring name(control.design().name,
                          control.design().name + std::strlen(control.design().name));
  if (const ATOM atom = ::GlobalAddAtomW(name.c_str()); atom != 0) {
    ::SetPropW(item.window, kControlNameProperty,
               reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
  }

  const HFONT font = gdi_.font(control.design().font, dpi_);
  if (font == nullptr) return false;
  ::SendMessageW(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  if (!isFrame) {
    const auto base = ::GetWindowLongPtrW(item.window, GWLP_WNDPROC);
    if (base == 0 || ::SetPropW(item.window, kControlBaseProcProperty,
                                reinterpret_cast<HANDLE>(base)) == FALSE) {
      return false;
    }
    ::SetWindowLongPtrW(item.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc));
  }
  if (control.kind() == ui::ControlKind::ScrollBar) {
    SCROLLINFO range{};
    range.cbSize = sizeof(range);
    range.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    range.nMin = std::min(control.design().minimum, control.design().maximum);
    range.nMax = std::max(control.design().minimum, control.design().maximum);
    range.nPos = control.value();
    ::SetScrollInfo(item.window, SB_CTL, &range, FALSE);
  }
  return true;
}

void FormWindow::placeControl(const Rendered& item) {
  if (item.window == nullptr) return;
  const RECT place = placementOf(item);
  ::SetWindowPos(item.window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::placeAll() {
  for (const Rendered& item : items_) {
    if (item.window == nullptr) continue;
    if (const HFONT font = gdi_.font(item.control->design().font, dpi_)) {
      ::SendMessageW(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    placeControl(item);
  }
}

RECT FormWindow::placementOf(const Rendered& item) {
  const ui::Control& control = *item.control;
  const int left = twipsToPixels(control.left(), dpi_);
  const int top = twipsToPixels(control.top(), dpi_);
  if (control.design().autoSize && control.kind() == ui::ControlKind::Label) {
    // The label keeps its left edge and takes the size of its caption on one line.
    const SIZE size = captionExtent(item);
    return {left, top, left + size.cx, top + size.cy};
  }
  return {left, top, left + twipsToPixels(control.design().width, dpi_),
          top + twipsToPixels(control.design().height, dpi_)};
}

SIZE FormWindow::captionExtent(const Rendered& item) {
  const ui::Control& control = *item.control;
  // Measured on the container, which exists before the label does; the font is the label's.
  const unique_window_dc dc(item.container);
  const HFONT font = gdi_.font(control.design().font, dpi_);
  if (dc.get() == nullptr || font == nullptr) return {0, 0};
  const scoped_select selected(dc.get(), font);
  const std::wstring text = wide(control.caption());
  RECT extent{0, 0, 0, 0};
  ::DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {text.empty() ? 0 : extent.right - extent.left, extent.bottom - extent.top};
}

void FormWindow::startTimer(const Rendered& item) {
  const ui::Control& control = *item.control;
  if (control.kind() != ui::ControlKind::Timer) return;
  if (control.enabled() && control.design().interval > 0) {
    ::SetTimer(window_.get(), item.id, static_cast<UINT>(control.design().interval), nullptr);
  } else {
    ::KillTimer(window_.get(), item.id);
  }
}

RECT FormWindow::areaOf(const Rendered& item) const {
  const ui::Control& control = *item.control;
  if (item.window != nullptr) {
    RECT area{};
    ::GetWindowRect(item.window, &area);
    ::MapWindowPoints(HWND_DESKTOP, item.container, reinterpret_cast<POINT*>(&area), 2);
    return area;
  }
  if (control.kind() == ui::ControlKind::Line) {
    // A line's width and height hold its other end; the pen may reach a little past both ends.
    const int pad = scalePixels(std::max(control.design().lineWidth, 1), dpi_) + 1;
    const int x1 = twipsToPixels(control.left(), dpi_);
    const int y1 = twipsToPixels(control.top(), dpi_);
    const int x2 = twipsToPixels(control.design().width, dpi_);
    const int y2 = twipsToPixels(control.design().height, dpi_);
    return {std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::max(x1, x2) + pad,
            std::max(y1, y2) + pad};
  }
  const int left = twipsToPixels(control.left(), dpi_);
  const int top = twipsToPixels(control.top(), dpi_);
  return {left, top, left + twipsToPixels(control.design().width, dpi_),
          top + twipsToPixels(control.design().height, dpi_)};
}

FormWindow::Rendered* FormWindow::find(const ui::Control& control) {
  for (Rendered& item : items_) {
    if (item.control == &control) return &item;
  }
  return nullptr;
}

FormWindow::Rendered* FormWindow::findById(UINT id) {
  if (id < kFirstControlId || id - kFirstControlId >= items_.size()) return nullptr;
  return &items_[id - kFirstControlId];
}

FormWindow::Rendered* FormWindow::findByWindow(HWND window) {
  for (Rendered& item : items_) {
    if (item.window == window) return &item;
  }
  return nullptr;
}

}  // namespace tamrill::win32
