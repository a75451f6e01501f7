#include "platform/win32/process_services.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/program_arguments.h"
#include "platform/win32/sys_error.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide.h"

namespace tamrill::win32 {

namespace {

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
  if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, inheritHandles ? TRUE : FALSE,
                       flags, nullptr, folder.empty() ? nullptr : folder.c_str(), &startup,
                       &info) == FALSE) {
    return {lastSysError(), {}};
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

SysError openWebAddress(const Text& address) {
  const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteW(
      nullptr, nullptr, wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
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

void endProgram() { ::ExitProcess(0); }

}  // namespace tamrill::win32
