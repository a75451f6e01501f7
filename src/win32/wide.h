#pragma once
// The core's Text and the W functions' strings are both UTF-16; these copy between the two types.

#include <string>
#include <string_view>

#include "base/text.h"

namespace tamrill::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows strings are UTF-16");

inline std::wstring wide(TextView text) {
  return {text.begin(), text.end()};
}
inline Text fromWide(std::wstring_view text) {
  return {text.begin(), text.end()};
}

}  // namespace tamrill::win32
