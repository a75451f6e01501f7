#pragma once

#include <string>

#include "memory_image.h"

namespace asm51 {

// Intel HEX text of the written bytes: data records of up to 16 bytes in
// address order, then the end record. CRLF line ends.
std::string writeIntelHex(const MemoryImage& image);

}  // namespace asm51
