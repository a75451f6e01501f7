#include "folders.h"

#include <windows.h>

#include "report.h"

namespace bench {

namespace {

void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        removeTree(path);
      } else {
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(search, &found) != FALSE);
    ::FindClose(search);
  }
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH + 1] = {};
  if (::GetTempPathW(MAX_PATH + 1, base) == 0) return;
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::wstring path = std::wstring(base) + L"tamrill-bench-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(attempt);
    if (::CreateDirectoryW(path.c_str(), nullptr) != FALSE) {
      path_ = path;
      return;
    }
  }
  complain(L"cannot make a temporary folder");
}

TempFolder::~TempFolder() {
  if (!path_.empty()) removeTree(path_);
}

bool makeFolder(const std::wstring& path) {
  if (::CreateDirectoryW(path.c_str(), nullptr) != FALSE) return true;
  complain(L"cannot make the folder " + path);
  return false;
}

bool copyInto(const std::wstring& from, const std::wstring& folder, const std::wstring& name) {
  if (::CopyFileW(from.c_str(), (folder + L"\\" + name).c_str(), FALSE) != FALSE) return true;
  complain(L"cannot copy " + from + L" (error " + std::to_wstring(::GetLastError()) + L")");
  return false;
}

}  // namespace bench
