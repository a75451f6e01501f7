#include "win32/dialogs.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include "win32/wide.h"

namespace tamrill::win32 {

namespace {

UINT iconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return MB_ICONERROR;
    case MessageIcon::Warning:
      return MB_ICONWARNING;
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
  }
  return 0;
}

}  // namespace

MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                          MessageButtons buttons) {
  // Task-modal: every window of the program is disabled while the box is up.
  UINT style = MB_TASKMODAL | MB_SETFOREGROUND | iconStyle(icon);
  style |= buttons == MessageButtons::YesNo ? (MB_YESNO | MB_DEFBUTTON1) : MB_OK;
  const int answer = ::MessageBoxW(nullptr, wide(text).c_str(), wide(title).c_str(), style);
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  // A box that could not be shown is taken as No: nothing is done that the user did not ask.
  return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

std::wstring dialogFilter(const Text& filter) {
  std::wstring result = wide(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

std::optional<ChosenFile> chooseFileToOpen(const Text& filter, SystemLibrary& comdlg32) {
  const auto getOpenFileName = comdlg32.function<decltype(::GetOpenFileNameW)>("GetOpenFileNameW");
  if (getOpenFileName == nullptr) return std::nullopt;
  const std::wstring filterText = dialogFilter(filter);
  std::wstring path(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = ::GetActiveWindow();
  dialog.lpstrFilter = filterText.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  // The program's current folder never changes, whatever folder the user browses to.
  dialog.Flags = OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_HIDEREADONLY;
  if (getOpenFileName(&dialog) == FALSE) return std::nullopt;
  path.resize(path.find(L'\0'));
  ChosenFile chosen;
  chosen.path = fromWide(path);
  if (dialog.nFileOffset < path.size()) chosen.title = fromWide(path.substr(dialog.nFileOffset));
  return chosen;
}

}  // namespace tamrill::win32
