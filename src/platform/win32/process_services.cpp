#include "platform/win32/process_services.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <vector>

#include "platform/program_arguments.h"
#include "platform/win32/sys_error.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide.h"

namespace tamrill::win32 {

namespace {

// The files CreateProcessW may have taken as the program: a quoted name, or the command line
// up to each of its blanks in turn.
std::vector<std::wstring> programCandidates(const std::wstring& commandLine) {
  std::vector<std::wstring> candidates;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    const std::size_t close = commandLine.find(L'"', 1);
    candidates.push_back(commandLine.substr(1, close == std::wstring::npos ? close : close - 1));
    return candidates;
  }
  for (std::size_t blank = commandLine.find(L' '); blank != std::wstring::npos;
       blank = commandLine.find(L' ', blank + 1)) {
    candidates.push_back(commandLine.substr(0, blank));
  }
  candidates.push_back(commandLine);
  return candidates;
}

bool readAt(HANDLE file, DWORD offset, void* buffer, DWORD count) {
  OVERLAPPED at{};
  at.Offset = offset;
  DWORD got = 0;
  return ::ReadFile(file, buffer, count, &got, &at) != FALSE && got == count;
}

// A DOS or 16-bit program: an "MZ" file without the header of a 32- or 64-bit one.
bool isOldProgram(const std::wstring& path) {
  const unique_file file(::CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  char magic[2] = {};
  if (!readAt(file.get(), 0, magic, sizeof(magic)) || magic[0] != 'M' || magic[1] != 'Z') {
    return false;
  }
  DWORD newHeader = 0;
  char signature[4] = {};
  if (!readAt(file.get(), 0x3C, &newHeader, sizeof(newHeader)) ||
      !readAt(file.get(), newHeader, signature, sizeof(signature))) {
    return true;
  }
  return !(signature[0] == 'P' && signature[1] == 'E' && signature[2] == 0 && signature[3] == 0);
}

// Wine cannot run 16-bit or DOS programs on 64 bits and says "file not found" for them, where
// Windows says ERROR_BAD_EXE_FORMAT.
SysError startError(DWORD error, const Text& commandLine, const Text& currentFolder) {
  if (error != ERROR_FILE_NOT_FOUND) return toSysError(error);
  const std::wstring folder = wide(currentFolder);
  for (const std::wstring& candidate : programCandidates(wide(commandLine))) {
    for (const std::wstring& path :
         {candidate, candidate + L".exe",
          folder.empty() ? std::wstring() : folder + L"\\" + candidate}) {
      if (!path.empty() && isOldProgram(path)) return SysError::BadExeFormat;
    }
  }
  return SysError::NotFound;
}

struct Started {
  SysError error = SysError::None;
  unique_process_information process;
};

Started start(const Text& commandLine, const Text& currentFolder, bool inheritHandles,
              DWORD flags) {
  // CreateProcessW may write into the command line, so it gets a buffer of its own.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  const std::wstring folder = wide(currentFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, inheritHandles ? TRUE : FALSE, flags,
                       nullptr, folder.empty() ? nullptr : folder.c_str(), &startup,
                       &info) == FALSE) {
    return {startError(::GetLastError(), commandLine, currentFolder), {}};
  }
  return {SysError::None, unique_process_information(info)};
}

}  // namespace

SysError startProgram(const Text& commandLine, const Text& currentFolder) {
  return start(commandLine, currentFolder, false, 0).error;
}

SysError runAndWait(const Text& commandLine, const Text& currentFolder) {
  const Started started = start(commandLine, currentFolder, true, NORMAL_PRIORITY_CLASS);
  if (started.error != SysError::None) return started.error;
  // Blocks the window thread on purpose: no event is taken while the assembler runs.
  ::WaitForSingleObject(started.process.process(), INFINITE);
  return SysError::None;
}

SysError openWebAddress(const Text& address, SystemLibrary& shell32) {
  const auto shellExecute = shell32.function<decltype(::ShellExecuteW)>("ShellExecuteW");
  if (shellExecute == nullptr) return SysError::Other;
  const auto result = reinterpret_cast<INT_PTR>(
      shellExecute(nullptr, nullptr, wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return SysError::None;
  switch (result) {
    case 0:
    case SE_ERR_OOM:
      return SysError::Other;
    case SE_ERR_ACCESSDENIED:
      return SysError::AccessDenied;
    case SE_ERR_SHARE:
      return SysError::InUse;
    default:
      return toSysError(static_cast<DWORD>(result));
  }
}

Text programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // cut short: try again with more room
  }
  const std::size_t lastBackslash = path.rfind(L'\\');
  if (lastBackslash == std::wstring::npos) return {};
  return fromWide(std::wstring_view(path).substr(0, lastBackslash));
}

Text commandLine() {
  const wchar_t* whole = ::GetCommandLineW();
  if (whole == nullptr) return {};
  return argumentsAfterProgramName(fromWide(whole));
}

void endProgram() {
  ::ExitProcess(0);
}

}  // namespace tamrill::win32
