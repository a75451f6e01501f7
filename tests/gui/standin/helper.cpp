// gui_helper.exe: what a scenario needs done from inside Wine besides the assembler's part.
//
//   gui_helper end-task TITLE            ends the process of the top-level window with exactly
//                                        this title at once, as "End task" does
//   gui_helper hold PATH READY RELEASE   opens PATH shared with nobody (as an antivirus scan or a
//                                        programmer tool may), makes the file READY, and keeps
//                                        PATH open until RELEASE exists (two minutes at most)
//
// Exit code 0 when done, 1 when the window or the file could not be had, 2 for a bad command.

#include <windows.h>

#include <string>

namespace {

bool exists(const wchar_t* path) {
  return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

int endTask(const wchar_t* title) {
  const HWND window = ::FindWindowW(nullptr, title);
  if (window == nullptr) return 1;
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return 1;
  const bool ended = ::TerminateProcess(process, 1) != FALSE &&
                     ::WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  ::CloseHandle(process);
  return ended ? 0 : 1;
}

int hold(const wchar_t* path, const wchar_t* ready, const wchar_t* release) {
  const HANDLE held =
      ::CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) return 1;
  const HANDLE mark = ::CreateFileW(ready, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) ::CloseHandle(mark);
  for (int waited = 0; waited < 120000 && !exists(release); waited += 50) ::Sleep(50);
  ::CloseHandle(held);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"end-task" && argc == 3) return endTask(argv[2]);
  if (command == L"hold" && argc == 5) return hold(argv[2], argv[3], argv[4]);
  return 2;
}
