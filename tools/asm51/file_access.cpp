#include "file_access.h"

#include <system_error>

#include "ascii.h"

namespace asm51::cli {

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  const unique_file file = openFile(path, false);
  if (!file) return std::nullopt;
  std::string data;
  data.reserve(static_cast<std::size_t>(std::filesystem::file_size(path, ec)) + 1);
  char buffer[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    data.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return data;
}

bool writeWholeFile(const std::filesystem::path& path, std::string_view data) {
  unique_file file = openFile(path, true);
  if (!file) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), file.get()) == data.size();
  // fclose flushes; its failure is a failed write too.
  return std::fclose(file.release()) == 0 && written;
}

std::filesystem::path findInFolder(const std::filesystem::path& name) {
  std::error_code ec;
  if (std::filesystem::exists(name, ec)) return name;
  const std::filesystem::path folder =
      name.has_parent_path() ? name.parent_path() : std::filesystem::path(".");
  const auto wanted = asciiLowered(name.filename().native());
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return name;
  for (const auto& entry : it) {
    if (asciiLowered(entry.path().filename().native()) == wanted)
      return name.has_parent_path() ? folder / entry.path().filename() : entry.path().filename();
  }
  return name;
}

}  // namespace asm51::cli
