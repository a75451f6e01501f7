#include "win32/file_services.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "win32/sys_error.h"
#include "win32/unique_handles.h"
#include "win32/wide.h"

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
  const std::wstring target = wide(to);
  // Never replace: the program may delete only the copies it made itself.
  if (::CopyFileW(wide(from).c_str(), target.c_str(), TRUE) == FALSE) return lastSysError(to);
  // CopyFile keeps the original's attributes: a read-only tool (from a CD, a locked-down
  // installation) would give a copy that no clean-up can delete.
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
    return SysError::None;
  }
  if (::SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}) != FALSE) {
    return SysError::None;
  }
  const SysError error = lastSysError();
  ::DeleteFileW(target.c_str());
  return error;
}

SysError deleteFile(const Text& path) {
  if (::DeleteFileW(wide(path).c_str()) == FALSE) return lastSysError(path);
  return SysError::None;
}

StampResult fileStamp(const Text& path) {
  // No access asked for: the file's information can be read even while another program has it
  // open for writing.
  const unique_file file(::CreateFileW(wide(path).c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return {lastSysError(path), {}};
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileInformationByHandle(file.get(), &info) == FALSE) return {lastSysError(), {}};
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {SysError::NotFound, {}};
  const auto join = [](DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32U) | low;
  };
  return {SysError::None,
          FileStamp{info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
                    join(info.nFileSizeHigh, info.nFileSizeLow),
                    join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)}};
}

std::uint64_t fileTimeNow() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32U) | now.dwLowDateTime;
}

std::unique_ptr<ReadableFile> openForReading(const Text& path) {
  unique_file file(::CreateFileW(wide(path).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<SharedReadableFile>(std::move(file));
}

namespace {

SysError makeFolder(const std::wstring& path, int depth) {
  if (::CreateDirectoryW(path.c_str(), nullptr) != FALSE) return SysError::None;
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? SysError::None
               : SysError::AlreadyExists;
  }
  const std::size_t parent = path.rfind(L'\\');
  if (error != ERROR_PATH_NOT_FOUND || depth == 0 || parent == std::wstring::npos) {
    return pathSysError(error, fromWide(path));
  }
  if (const SysError made = makeFolder(path.substr(0, parent), depth - 1); made != SysError::None) {
    return made;
  }
  return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE ? SysError::None
                                                            : lastSysError(fromWide(path));
}

}  // namespace

SysError createFolder(const Text& path) {
  // A handful of levels: the records' folder lies right under the local application data.
  return makeFolder(wide(path), 8);
}

std::vector<Text> filesIn(const Text& folder) {
  std::vector<Text> names;
  WIN32_FIND_DATAW found{};
  const unique_find search(::FindFirstFileW((wide(folder) + L"\\*").c_str(), &found));
  if (search.get() == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.push_back(fromWide(found.cFileName));
    }
  } while (::FindNextFileW(search.get(), &found) != FALSE);
  return names;
}

SysError writeFileDurably(const Text& path, const std::string& bytes) {
  const std::wstring target = wide(path);
  const std::wstring temporary = target + L".tmp";
  {
    const unique_file file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return lastSysError(path);
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD written = 0;
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
      if (::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) == FALSE ||
          written == 0) {
        const SysError error = lastSysError(path);
        ::DeleteFileW(temporary.c_str());
        return error;
      }
      done += written;
    }
    // On the disk before it takes the record's name: a power cut then leaves a whole record.
    if (::FlushFileBuffers(file.get()) == FALSE) {
      const SysError error = lastSysError(path);
      ::DeleteFileW(temporary.c_str());
      return error;
    }
  }
  if (::MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
    const SysError error = lastSysError(path);
    ::DeleteFileW(temporary.c_str());
    return error;
  }
  return SysError::None;
}

}  // namespace tamrill::win32
