// The program's entry: it only hands control to the windowing side, which creates the main
// window hidden and raises its Load event; the Load handler shows it.

#include <windows.h>

#include "app/application.h"
#include "win32/unique_handles.h"
#include "win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int /*show*/) {
  // Before anything loads a DLL: only the system folder is searched, never the program's
  // folder or the current one, where a downloaded DLL of a system name could lie.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetDllDirectoryW(L"");

  tamrill::win32::Win32Platform platform(instance);
  tamrill::Application app(platform, platform);
  const tamrill::win32::scope_exit closeWindows([&] { platform.closeAllWindows(); });
  if (!platform.createMainWindow(app.form1)) return 1;
  app.form1.deliver(nullptr, tamrill::ui::Event::Load);
  return platform.runMessageLoop();
}
