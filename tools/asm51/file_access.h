#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace asm51::cli {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using unique_file = std::unique_ptr<std::FILE, FileCloser>;

// Platform halves (file_access_posix.cpp / file_access_win.cpp).
unique_file openFile(const std::filesystem::path& path, bool forWriting);
// A file name written in the source (bytes in UTF-8 or the system code page).
std::filesystem::path pathFromBytes(std::string_view bytes);
// A path as bytes for the listing and the console.
std::string bytesFromPath(const std::filesystem::path& path);

std::optional<std::string> readWholeFile(const std::filesystem::path& path);
bool writeWholeFile(const std::filesystem::path& path, std::string_view data);

// The file as it lies in the current folder: the exact name if it exists,
// otherwise the one entry that differs from it only in letter case.
std::filesystem::path findInFolder(const std::filesystem::path& name);

}  // namespace asm51::cli
