#include "win32/session_services.h"

#include <windows.h>

#include "win32/unique_handles.h"
#include "win32/wide.h"

namespace tamrill::win32 {

namespace {

// Long enough for another window to make or delete three small files, short enough that a
// window never looks hung; what needs the lock and does not get it is tried again later.
constexpr DWORD kLockWaitMs = 5000;

std::uint64_t startedAt(HANDLE process) {
  FILETIME created{};
  FILETIME exited{};
  FILETIME kernel{};
  FILETIME user{};
  if (::GetProcessTimes(process, &created, &exited, &kernel, &user) == FALSE) return 0;
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32U) | created.dwLowDateTime;
}

class HeldMutex final : public HeldLock {
 public:
  explicit HeldMutex(unique_handle mutex) : mutex_(std::move(mutex)) {}
  ~HeldMutex() override { ::ReleaseMutex(mutex_.get()); }
  HeldMutex(const HeldMutex&) = delete;
  HeldMutex& operator=(const HeldMutex&) = delete;

 private:
  unique_handle mutex_;
};

}  // namespace

Text localDataFolder() {
  const DWORD size = ::GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const DWORD written = ::GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), size);
  if (written == 0 || written >= size) return {};
  folder.resize(written);
  while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  // Only a full path: a relative one would put the records wherever the current folder is.
  if (folder.size() < 3 || folder[1] != L':' || folder[2] != L'\\') return {};
  return fromWide(folder);
}

SessionId thisSession() {
  return SessionId{::GetCurrentProcessId(), startedAt(::GetCurrentProcess())};
}

bool sessionRunning(const SessionId& session) {
  const unique_handle process(
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, session.process));
  // No such process; any other refusal (another user's process) cannot tell it has ended.
  if (!process) return ::GetLastError() != ERROR_INVALID_PARAMETER;
  // The same number given since to another program is another session.
  const std::uint64_t started = startedAt(process.get());
  if (started != 0 && started != session.started) return false;
  return ::WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

std::unique_ptr<HeldLock> lockCopies() {
  unique_handle mutex(::CreateMutexW(nullptr, FALSE, L"Local\\Tamrill.Copies"));
  if (!mutex) return nullptr;
  // Abandoned: a Tamrill that held it ended by force. What it was doing is safe to redo.
  const DWORD waited = ::WaitForSingleObject(mutex.get(), kLockWaitMs);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) return nullptr;
  return std::make_unique<HeldMutex>(std::move(mutex));
}

}  // namespace tamrill::win32
