// shell_open.exe FILE [CLASS]: opens FILE through the shell with the "open" verb, as Explorer
// does. With CLASS (a ProgID such as Tamrill.asm, or Applications\tamrill.exe) the shell takes
// that class's open command instead of the type's default, as Explorer's "Open with" does.
// Exits 0 once the shell has started the command, 1 with the error when it could not.

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: shell_open FILE [CLASS]\n", stderr);
    return 2;
  }
  // The shell may hand the verb to a COM handler: it wants an apartment on this thread.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = argv[1];
  info.nShow = SW_SHOWNORMAL;
  if (argc == 3) {
    info.fMask |= SEE_MASK_CLASSNAME;
    info.lpClass = argv[2];
  }
  const bool started = ::ShellExecuteExW(&info) != FALSE;
  const DWORD error = started ? 0 : ::GetLastError();
  if (SUCCEEDED(com)) ::CoUninitialize();
  if (!started) {
    std::fprintf(stderr, "shell_open: the shell could not open the file (error %lu)\n",
                 static_cast<unsigned long>(error));
    return 1;
  }
  return 0;
}
