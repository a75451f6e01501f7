#pragma once
// The rule for a source's name: the assembler takes no more than an 8.3 name.

#include <cstddef>

#include "base/text.h"

namespace tamrill {

// 8-character base name, the dot and a 3-character extension: the assembler takes no more.
inline constexpr std::size_t kMaxFileName = 12;
inline constexpr char16_t kNameTooLongWarning[] = u"Maximální dékla názvu bouboru je 8 znaků";

// True when the load refuses a source of this name.
inline bool nameTooLong(const Text& fileName) {
  return fileName.size() > kMaxFileName;
}

}  // namespace tamrill
