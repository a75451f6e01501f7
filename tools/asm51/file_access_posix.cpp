#include "file_access.h"

namespace asm51::cli {

unique_file openFile(const std::filesystem::path& path, bool forWriting) {
  return unique_file(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
}

std::filesystem::path pathFromBytes(std::string_view bytes) {
  return std::filesystem::path(std::string(bytes));
}

std::string bytesFromPath(const std::filesystem::path& path) {
  return path.native();
}

}  // namespace asm51::cli
