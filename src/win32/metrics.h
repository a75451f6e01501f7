#pragma once
// Layouts are in twips; windows are in pixels at their own DPI (15 twips make a pixel at 96 DPI).

#include <windows.h>

namespace tamrill::win32 {

inline int twipsToPixels(int twips, UINT dpi) {
  return ::MulDiv(twips, static_cast<int>(dpi), 1440);
}
// Pixels given for 96 DPI, as the same length at dpi.
inline int scalePixels(int pixels, UINT dpi) {
  return ::MulDiv(pixels, static_cast<int>(dpi), 96);
}

}  // namespace tamrill::win32
