#include "win32/win32_platform.h"

#include "win32/dialogs.h"
#include "win32/file_services.h"
#include "win32/modal_scope.h"
#include "win32/process_services.h"

namespace tamrill::win32 {

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance), startFolder_(win32::currentFolder()) {}

Win32Platform::~Win32Platform() {
  closeAllWindows();
}

FormWindow& Win32Platform::windowFor(ui::Form& form, bool isMainWindow) {
  for (const Shown& shown : windows_) {
    if (shown.form == &form) return *shown.window;
  }
  // A window kept out of the task bar is owned by the main window instead.
  const HWND owner = form.design().showInTaskbar ? nullptr : mainWindow_;
  windows_.push_back(
      {&form, std::make_unique<FormWindow>(form, instance_, isMainWindow, owner, comctl32_)});
  return *windows_.back().window;
}

bool Win32Platform::createMainWindow(ui::Form& form) {
  FormWindow& window = windowFor(form, true);
  if (!window.create()) return false;
  mainWindow_ = window.handle();
  return true;
}

bool Win32Platform::showForm(ui::Form& form) {
  FormWindow& window = windowFor(form, false);
  if (!window.exists() && !window.create()) return false;
  window.show();
  return true;
}

void Win32Platform::closeAllWindows() {
  // Owned windows go before their owner.
  for (auto shown = windows_.rbegin(); shown != windows_.rend(); ++shown) shown->window->destroy();
}

std::vector<HWND> Win32Platform::topLevelWindows() const {
  std::vector<HWND> handles;
  for (const Shown& shown : windows_) {
    if (shown.window->exists()) handles.push_back(shown.window->handle());
  }
  return handles;
}

bool Win32Platform::isFormWindow(HWND window) const {
  for (const Shown& shown : windows_) {
    if (shown.window->handle() == window) return true;
  }
  return false;
}

int Win32Platform::runMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    // Tab and the arrow keys move the focus between controls as in a dialog.
    // Esc goes to the window as a cancel command, which no window takes.
    const HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    // A window without a control that can take the focus keeps it on itself.
    const bool nowhereToTab = message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
                              root != nullptr &&
                              ::GetNextDlgTabItem(root, nullptr, FALSE) == nullptr;
    if (root != nullptr && !nowhereToTab && isFormWindow(root) &&
        ::IsDialogMessageW(root, &message) != FALSE) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

MessageAnswer Win32Platform::showMessage(const Text& text, const Text& title, MessageIcon icon,
                                         MessageButtons buttons) {
  const std::vector<HWND> windows = topLevelWindows();
  const ModalScope modal(windows, false);
  return win32::showMessage(text, title, icon, buttons);
}

std::optional<ChosenFile> Win32Platform::chooseFileToOpen(const Text& filter) {
  // The dialog disables only its owner: the help and about windows must take no input either.
  const std::vector<HWND> windows = topLevelWindows();
  const ModalScope modal(windows, true);
  return win32::chooseFileToOpen(filter, comdlg32_);
}

bool Win32Platform::fileExists(const Text& path) {
  return win32::fileExists(path);
}

SysError Win32Platform::copyFile(const Text& from, const Text& to) {
  return win32::copyFile(from, to);
}

SysError Win32Platform::deleteFile(const Text& path) {
  return win32::deleteFile(path);
}

std::unique_ptr<ReadableFile> Win32Platform::openForReading(const Text& path) {
  return win32::openForReading(path);
}

StampResult Win32Platform::fileStamp(const Text& path) {
  return win32::fileStamp(path);
}

std::uint64_t Win32Platform::fileTimeNow() {
  return win32::fileTimeNow();
}

SysError Win32Platform::startProgram(const Text& commandLine, const Text& currentFolder,
                                     const Text& programPath) {
  return win32::startProgram(commandLine, currentFolder, programPath);
}

SysError Win32Platform::runAndWait(const Text& commandLine, const Text& currentFolder) {
  return win32::runAndWait(commandLine, currentFolder);
}

SysError Win32Platform::openWebAddress(const Text& address) {
  return win32::openWebAddress(address, shell32_);
}

Text Win32Platform::programFolder() {
  return win32::programFolder();
}

Text Win32Platform::commandLine() {
  return win32::commandLine();
}

Text Win32Platform::startFolder() {
  return startFolder_;
}

Text Win32Platform::systemFolder() {
  return win32::systemFolder();
}

void Win32Platform::endProgram() {
  win32::endProgram();
}

}  // namespace tamrill::win32
