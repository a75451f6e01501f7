#pragma once
// Listings are 8-bit text in the Central European code page. Each byte becomes one character,
// so positions in the decoded text are byte offsets in the file.

#include <string_view>

#include "base/text.h"

namespace tamrill {

char16_t fromCp1250(unsigned char byte);
Text decodeCp1250(std::string_view bytes);

}  // namespace tamrill
