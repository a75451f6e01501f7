#include "win32/gdi_cache.h"

namespace tamrill::win32 {

namespace {

int systemColourIndex(ui::SystemColour which) {
  switch (which) {
    case ui::SystemColour::ButtonFace:
      return COLOR_BTNFACE;
    case ui::SystemColour::ButtonText:
      return COLOR_BTNTEXT;
    case ui::SystemColour::WindowText:
      return COLOR_WINDOWTEXT;
    case ui::SystemColour::ButtonShadow:
      return COLOR_BTNSHADOW;
    case ui::SystemColour::ActiveBorder:
      return COLOR_ACTIVEBORDER;
    case ui::SystemColour::InactiveBorder:
      return COLOR_INACTIVEBORDER;
    case ui::SystemColour::Highlight:
      return COLOR_HIGHLIGHT;
  }
  return COLOR_WINDOWTEXT;
}

}  // namespace

COLORREF toColorRef(ui::Colour colour) {
  if (colour.isSystem()) return ::GetSysColor(systemColourIndex(colour.systemColour()));
  const std::uint32_t rgb = colour.rgbValue();
  return RGB((rgb >> 16U) & 0xFFU, (rgb >> 8U) & 0xFFU, rgb & 0xFFU);
}

HFONT GdiCache::font(const ui::Font& font, UINT dpi) {
  for (const FontEntry& entry : fonts_) {
    if (entry.font == font && entry.dpi == dpi) return entry.handle.get();
  }
  // Central European character set: every caption is Czech.
  unique_hfont handle(::CreateFontW(-::MulDiv(font.hundredthsOfPoint, static_cast<int>(dpi), 7200),
                                    0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                    EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
  if (!handle) return nullptr;
  const HFONT result = handle.get();
  fonts_.push_back({font, dpi, std::move(handle)});
  return result;
}

HBRUSH GdiCache::brush(COLORREF colour) {
  for (const BrushEntry& entry : brushes_) {
    if (entry.colour == colour) return entry.handle.get();
  }
  unique_hbrush handle(::CreateSolidBrush(colour));
  if (!handle) return nullptr;
  const HBRUSH result = handle.get();
  brushes_.push_back({colour, std::move(handle)});
  return result;
}

void GdiCache::clear() {
  fonts_.clear();
  brushes_.clear();
}

}  // namespace tamrill::win32
