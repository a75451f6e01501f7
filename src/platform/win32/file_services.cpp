#include "platform/win32/file_services.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "platform/win32/sys_error.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide.h"

namespace tamrill::win32 {

namespace {

class SharedReadableFile final : public ReadableFile {
 public:
  explicit SharedReadableFile(unique_file file) : file_(std::move(file)) {}

  std::uint64_t size() const override {
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file_.get(), &size) == FALSE || size.QuadPart < 0) return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
    while (count > 0) {
      const DWORD chunk =
          static_cast<DWORD>(std::min<std::size_t>(count, std::numeric_limits<DWORD>::max() / 2));
      OVERLAPPED at{};
      at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFU);
      at.OffsetHigh = static_cast<DWORD>(offset >> 32U);
      DWORD got = 0;
      if (::ReadFile(file_.get(), buffer, chunk, &got, &at) == FALSE || got == 0) return false;
      offset += got;
      buffer += got;
      count -= got;
    }
    return true;
  }

 private:
  unique_file file_;
};

}  // namespace

bool fileExists(const Text& path) {
  // A directory search would take these as a pattern and find some other file.
  if (path.empty() || path.find_first_of(u"*?") != Text::npos) return false;
  WIN32_FIND_DATAW found{};
  const unique_find search(::FindFirstFileW(wide(path).c_str(), &found));
  if (search.get() == INVALID_HANDLE_VALUE) return false;
  constexpr DWORD kNotAFile =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return found.cFileName[0] != L'\0' && (found.dwFileAttributes & kNotAFile) == 0;
}

SysError copyFile(const Text& from, const Text& to) {
  // Never replace: the program may delete only the copies it made itself.
  if (::CopyFileW(wide(from).c_str(), wide(to).c_str(), TRUE) == FALSE) return lastSysError();
  return SysError::None;
}

SysError deleteFile(const Text& path) {
  if (::DeleteFileW(wide(path).c_str()) == FALSE) return lastSysError();
  return SysError::None;
}

std::unique_ptr<ReadableFile> openForReading(const Text& path) {
  unique_file file(::CreateFileW(wide(path).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<SharedReadableFile>(std::move(file));
}

}  // namespace tamrill::win32
