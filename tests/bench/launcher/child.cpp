#include "child.h"

#include <psapi.h>

#include <utility>
#include <vector>

#include "report.h"

namespace bench {

namespace {

HWND visibleWindowOf(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{processId, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner != search->processId || ::IsWindowVisible(window) == FALSE) return TRUE;
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

double now() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER counter{};
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Child::~Child() {
  release();
}

Child::Child(Child&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Child& Child::operator=(Child&& other) noexcept {
  if (this != &other) {
    release();
    process_ = std::exchange(other.process_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void Child::release() {
  if (process_ != nullptr) ::CloseHandle(process_);
  process_ = nullptr;
}

Child Child::start(const std::wstring& commandLine, const std::wstring& folder) {
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  Child child;
  if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &info) == FALSE) {
    complain(L"cannot start " + commandLine + L" (error " + std::to_wstring(::GetLastError()) +
             L")");
    return child;
  }
  ::CloseHandle(info.hThread);
  child.process_ = info.hProcess;
  child.id_ = info.dwProcessId;
  return child;
}

HWND Child::waitUntilShown(DWORD timeoutMs) {
  if (process_ == nullptr) return nullptr;
  const double deadline = now() + timeoutMs / 1000.0;
  if (::WaitForInputIdle(process_, timeoutMs) != 0) return nullptr;
  // Idle normally comes after the window is shown; look until it is, in case it does not.
  for (;;) {
    if (const HWND window = visibleWindowOf(id_)) return window;
    if (now() > deadline || ::WaitForSingleObject(process_, 1) == WAIT_OBJECT_0) return nullptr;
  }
}

bool Child::waitForExit(DWORD timeoutMs) {
  return process_ == nullptr || ::WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

MemoryFigures Child::memory() const {
  MemoryFigures figures;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (process_ != nullptr && ::K32GetProcessMemoryInfo(process_, &counters, sizeof(counters))) {
    constexpr double kMiB = 1024.0 * 1024.0;
    figures.workingSetMiB = static_cast<double>(counters.WorkingSetSize) / kMiB;
    figures.peakWorkingSetMiB = static_cast<double>(counters.PeakWorkingSetSize) / kMiB;
  }
  if (process_ != nullptr) ::GetProcessHandleCount(process_, &figures.handles);
  return figures;
}

void Child::close(HWND window) {
  if (process_ == nullptr) return;
  if (window != nullptr) ::PostMessageW(window, WM_CLOSE, 0, 0);
  if (!waitForExit(5000)) {
    complain(L"a program did not close: ending it");
    ::TerminateProcess(process_, 1);
    waitForExit(5000);
  }
  release();
}

}  // namespace bench
