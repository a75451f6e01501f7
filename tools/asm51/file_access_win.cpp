#include "file_access.h"

#include <windows.h>

#include "include_names.h"

namespace asm51::cli {

unique_file openFile(const std::filesystem::path& path, bool forWriting) {
  // CON or COM1 would be opened as the device: reading waits for a key or a
  // line that never comes, and writing reports success for nothing kept.
  const std::wstring& wide = path.native();
  const int size = static_cast<int>(wide.size());
  std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size,
                                                                nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                      nullptr, nullptr);
  if (namesDevice(utf8)) return nullptr;
  return unique_file(_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
}

// Names in a source are UTF-8 when they decode as such, otherwise text in
// the system code page, which is what older editors save.
std::filesystem::path pathFromBytes(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  UINT codePage = CP_UTF8;
  int wide = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (wide == 0) {
    codePage = CP_ACP;
    wide = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  }
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), wide);
  return std::filesystem::path(out);
}

std::string bytesFromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int narrow =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, out.data(), narrow, nullptr, nullptr);
  return out;
}

}  // namespace asm51::cli
