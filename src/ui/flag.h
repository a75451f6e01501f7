#pragma once

#include <cstdint>

namespace tamrill {

// The help window's file-check flags: 16-bit integers holding -1 for true and 0 for false.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

}  // namespace tamrill
