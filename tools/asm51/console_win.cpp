#include "console.h"

#include <io.h>
#include <windows.h>

#include "code_page_win.h"

namespace asm51::cli {

void writeText(std::FILE* stream, std::string_view utf8) {
  const std::wstring wide = wideText(utf8, CP_UTF8);
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  // Redirected: the console's code page when there is a console, else the system's.
  const UINT codePage = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : CP_ACP;
  const std::string out = narrowText(wide, codePage);
  std::fwrite(out.data(), 1, out.size(), stream);
}

std::string utf8FromPath(const std::filesystem::path& path) {
  return narrowText(path.native(), CP_UTF8);
}

}  // namespace asm51::cli
