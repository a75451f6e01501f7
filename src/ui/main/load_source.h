#pragma once

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

class Application;

// Accepts the source whose path and name the caller has stored in sourcePath and
// sourceFileName: checks the name's length, derives the HEX and listing paths, updates the main
// window and reports an existing listing. False when a failed listing scan stopped it; what it
// did up to then stays.
[[nodiscard]] bool loadSource(Application& app);

}  // namespace tamrill
