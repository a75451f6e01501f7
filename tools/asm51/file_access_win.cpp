#include "file_access.h"

#include <windows.h>

#include "code_page_win.h"
#include "include_names.h"

namespace asm51::cli {

unique_file openFile(const std::filesystem::path& path, bool forWriting) {
  // CON or COM1 would be opened as the device: reading waits for a key or a
  // line that never comes, and writing reports success for nothing kept.
  if (namesDevice(narrowText(path.native(), CP_UTF8))) return nullptr;
  return unique_file(_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
}

// Names in a source are UTF-8 when they decode as such, otherwise text in
// the system code page, which is what older editors save.
std::filesystem::path pathFromBytes(std::string_view bytes) {
  std::wstring wide = wideText(bytes, CP_UTF8, MB_ERR_INVALID_CHARS);
  if (wide.empty()) wide = wideText(bytes, CP_ACP);
  return std::filesystem::path(wide);
}

std::string bytesFromPath(const std::filesystem::path& path) {
  return narrowText(path.native(), CP_ACP);
}

}  // namespace asm51::cli
