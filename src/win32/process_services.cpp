#include "win32/process_services.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <optional>
#include <vector>

#include "base/program_arguments.h"
#include "win32/sys_error.h"
#include "win32/unique_handles.h"
#include "win32/wide.h"

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

// What the user does, and the timer: none of it is taken while the assembler runs, nor kept
// for afterwards, where a click made in the meantime would fire a command nobody expects.
// The ticks of the system's own timers (a caret's blink), which windows.h does not name.
constexpr UINT kSystemTimer = 0x0118;

bool isUserInputOrTick(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_TIMER ||
         message == kSystemTimer || message == WM_COMMAND || message == WM_SYSCOMMAND ||
         message == WM_CLOSE || message == BM_CLICK;
}

// Waits for the process while the windows go on painting and answering what the system and
// other programs send them, so that Windows never marks them as not responding and nobody's
// broadcast hangs on them. Handlers cannot run meanwhile: the event gate is held by the handler
// that is waiting here.
void waitKeepingWindowsAlive(HANDLE process) {
  std::optional<int> quit;
  for (;;) {
    const DWORD woke =
        ::MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke != WAIT_OBJECT_0 + 1) {
      // Ended, or the wait itself failed: then wait without the windows rather than spin.
      if (woke != WAIT_OBJECT_0) ::WaitForSingleObject(process, INFINITE);
      break;
    }
    // Sent messages are answered inside PeekMessage itself.
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      if (message.message == WM_QUIT) {
        quit = static_cast<int>(message.wParam);
      } else if (!isUserInputOrTick(message.message)) {
        ::DispatchMessageW(&message);
      }
    }
  }
  if (quit) ::PostQuitMessage(*quit);
}

struct Started {
  SysError error = SysError::None;
  unique_process_information process;
};

Started start(const Text& commandLine, const Text& currentFolder, const Text& programPath,
              bool inheritHandles, DWORD flags) {
  // CreateProcessW may write into the command line, so it gets a buffer of its own.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  const std::wstring folder = wide(currentFolder);
  const std::wstring program = wide(programPath);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr,
                       inheritHandles ? TRUE : FALSE, flags, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &info) == FALSE) {
    return {startError(::GetLastError(), commandLine, currentFolder), {}};
  }
  return {SysError::None, unique_process_information(info)};
}

}  // namespace

SysError startProgram(const Text& commandLine, const Text& currentFolder, const Text& programPath) {
  return start(commandLine, currentFolder, programPath, false, 0).error;
}

SysError runAndWait(const Text& commandLine, const Text& currentFolder) {
  const Started started = start(commandLine, currentFolder, {}, true, NORMAL_PRIORITY_CLASS);
  if (started.error != SysError::None) return started.error;
  waitKeepingWindowsAlive(started.process.process());
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

Text currentFolder() {
  const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
  if (length == 0) return {};
  std::wstring folder(length, L'\0');
  const DWORD written = ::GetCurrentDirectoryW(length, folder.data());
  if (written == 0 || written >= length) return {};
  folder.resize(written);
  // A drive's root keeps its backslash ("C:\\"); any other folder has none.
  if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  return fromWide(folder);
}

Text systemFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return fromWide(std::wstring_view(folder, length));
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
