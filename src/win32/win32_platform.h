#pragma once
// The real platform: the services of platform.h on Win32, and the windows of the three forms.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/platform.h"
#include "ui/form_host.h"
#include "win32/form_window.h"
#include "win32/system_library.h"

namespace tamrill::win32 {

class Win32Platform final : public Platform, public ui::FormHost {
 public:
  explicit Win32Platform(HINSTANCE instance);
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // The main window, created hidden: its Load handler shows it. Closing it delivers Unload.
  bool createMainWindow(ui::Form& form);
  // Runs until the main window is destroyed; returns the exit code.
  int runMessageLoop();
  // Destroys every window while the forms they show still exist.
  void closeAllWindows();

  MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                            MessageButtons buttons) override;
  std::optional<ChosenFile> chooseFileToOpen(const Text& filter) override;
  bool showForm(ui::Form& form) override;
  bool fileExists(const Text& path) override;
  SysError copyFile(const Text& from, const Text& to) override;
  SysError deleteFile(const Text& path) override;
  std::unique_ptr<ReadableFile> openForReading(const Text& path) override;
  StampResult fileStamp(const Text& path) override;
  std::uint64_t fileTimeNow() override;
  SysError startProgram(const Text& commandLine, const Text& currentFolder,
                        const Text& programPath) override;
  SysError runAndWait(const Text& commandLine, const Text& currentFolder) override;
  SysError openWebAddress(const Text& address) override;
  Text programFolder() override;
  Text commandLine() override;
  Text startFolder() override;
  Text systemFolder() override;
  void endProgram() override;

 private:
  struct Shown {
    ui::Form* form;
    std::unique_ptr<FormWindow> window;
  };
  FormWindow& windowFor(ui::Form& form, bool isMainWindow);
  bool isFormWindow(HWND window) const;
  std::vector<HWND> topLevelWindows() const;

  HINSTANCE instance_;
  // Before the windows, so that it is freed after them: their tooltips are its windows.
  SystemLibrary comctl32_{L"comctl32.dll"};
  std::vector<Shown> windows_;
  HWND mainWindow_ = nullptr;
  // Read before any dialog can change the current folder.
  Text startFolder_;
  SystemLibrary comdlg32_{L"comdlg32.dll"};
  SystemLibrary shell32_{L"shell32.dll"};
};

}  // namespace tamrill::win32
