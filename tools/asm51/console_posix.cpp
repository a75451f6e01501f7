#include "console.h"

namespace asm51::cli {

void writeText(std::FILE* stream, std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

std::string utf8FromPath(const std::filesystem::path& path) {
  return path.native();
}

}  // namespace asm51::cli
