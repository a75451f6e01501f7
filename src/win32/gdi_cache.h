#pragma once
// The fonts and brushes one window uses, created on first use and released with the cache.

#include <windows.h>

#include <vector>

#include "ui/control.h"
#include "win32/unique_handles.h"

namespace tamrill::win32 {

COLORREF toColorRef(ui::Colour colour);

class GdiCache {
 public:
  // "MS Sans Serif" at the font's size and weight for dpi; null when it cannot be made.
  HFONT font(const ui::Font& font, UINT dpi);
  HBRUSH brush(COLORREF colour);
  // Fonts belong to one DPI; a window moved to another monitor drops them.
  void dropFonts() { fonts_.clear(); }
  void clear();

 private:
  struct FontEntry {
    ui::Font font;
    UINT dpi;
    unique_hfont handle;
  };
  struct BrushEntry {
    COLORREF colour;
    unique_hbrush handle;
  };
  std::vector<FontEntry> fonts_;
  std::vector<BrushEntry> brushes_;
};

}  // namespace tamrill::win32
