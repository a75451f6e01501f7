// What the form and its frames paint themselves: their background, pictures and lines, and the
// colours of the labels on them.

#include "win32/form_window.h"
#include "win32/metrics.h"

namespace tamrill::win32 {

void FormWindow::onPaint(ui::Control* container, HWND window) {
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window, &paint);
  if (dc == nullptr) return;
  const scope_exit endPaint([&] { ::EndPaint(window, &paint); });
  paintContainer(container, dc, paint.rcPaint);
}

void FormWindow::paintContainer(ui::Control* container, HDC dc, const RECT& area) {
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
  // Bottommost first: the layout lists the topmost control first.
  for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
    const ui::Control& control = *item->control;
    if (control.container() != container || !control.visible()) continue;
    if (control.kind() == ui::ControlKind::Image) paintPicture(dc, *item);
  }
  for (const Rendered& item : items_) {
    const ui::Control& control = *item.control;
    if (control.container() != container || !control.visible()) continue;
    if (control.kind() == ui::ControlKind::Line) paintLine(dc, control);
  }
}

void FormWindow::paintPicture(HDC dc, const Rendered& item) {
  const RECT area = areaOf(item);
  switch (item.control->design().picture) {
    case ui::Picture::ProgramIcon:
      if (icon_) {
        const int size = scalePixels(32, dpi_);
        ::DrawIconEx(dc, area.left, area.top, icon_.get(), size, size, 0, nullptr, DI_NORMAL);
      }
      break;
    case ui::Picture::AboutBackground: {
      BITMAP bitmap{};
      if (!background_ || ::GetObjectW(background_.get(), sizeof(bitmap), &bitmap) == 0) break;
      const unique_memory_dc source(dc);
      if (source.get() == nullptr) break;
      const scoped_select selected(source.get(), background_.get());
      // Its own size at 96 DPI; the picture box may cut it off.
      ::SetStretchBltMode(dc, COLORONCOLOR);
      ::StretchBlt(dc, area.left, area.top, scalePixels(bitmap.bmWidth, dpi_),
                   scalePixels(bitmap.bmHeight, dpi_), source.get(), 0, 0, bitmap.bmWidth,
                   bitmap.bmHeight, SRCCOPY);
      break;
    }
    case ui::Picture::None:
      break;
  }
}

void FormWindow::paintLine(HDC dc, const ui::Control& line) {
  const ui::ControlDesign& design = line.design();
  const int width = scalePixels(std::max(design.lineWidth, 1), dpi_);
  LOGBRUSH brush{BS_SOLID, toColorRef(line.foreColor()), 0};
  const DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | (design.dashed ? PS_DASH : PS_SOLID);
  const unique_hpen pen(::ExtCreatePen(style, static_cast<DWORD>(width), &brush, 0, nullptr));
  if (!pen) return;
  const scoped_select selected(dc, pen.get());
  const int x1 = twipsToPixels(line.left(), dpi_);
  const int y1 = twipsToPixels(line.top(), dpi_);
  const int x2 = twipsToPixels(design.width, dpi_);
  const int y2 = twipsToPixels(design.height, dpi_);
  // A pen wider than a pixel is centred on the line; keep it on the line's own rows.
  const int shift = (width - 1) / 2;
  const bool horizontal = y1 == y2;
  ::MoveToEx(dc, x1 + (horizontal ? 0 : shift), y1 + (horizontal ? shift : 0), nullptr);
  ::LineTo(dc, x2 + (horizontal ? 0 : shift), y2 + (horizontal ? shift : 0));
}

LRESULT FormWindow::onControlColour(HDC dc, HWND control) {
  const Rendered* item = findByWindow(control);
  if (item == nullptr) return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
  ::SetTextColor(dc, toColorRef(item->control->foreColor()));
  if (item->control->opaque()) {
    const COLORREF back = toColorRef(item->control->design().backColor);
    ::SetBkColor(dc, back);
    ::SetBkMode(dc, OPAQUE);
    return reinterpret_cast<LRESULT>(gdi_.brush(back));
  }
  // Transparent: whatever the container painted beneath shows through.
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

}  // namespace tamrill::win32
