#include "commands.h"

#include <windows.h>

#include <array>
#include <cwchar>
#include <functional>
#include <string>

#include "window_search.h"

namespace probe {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static that holds a message box's text
constexpr int kFileNameField = 1148;    // the file-open dialog's name field
constexpr wchar_t kDialogClass[] = L"#32770";

void write(HANDLE to, const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
  DWORD written = 0;
  ::WriteFile(to, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring fromUtf8(std::string_view bytes) {
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                         nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                        size);
  return text;
}

void say(const std::wstring& line) {
  write(::GetStdHandle(STD_OUTPUT_HANDLE), line + L"\n");
}
void complain(const std::wstring& line) {
  write(::GetStdHandle(STD_ERROR_HANDLE), L"probe: " + line + L"\n");
}

std::wstring rectText(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
         std::to_wstring(r.right - r.left) + L"," + std::to_wstring(r.bottom - r.top);
}

std::wstring stateText(HWND control, HWND topLevel) {
  return L"enabled=" + std::to_wstring(::IsWindowEnabled(control) != FALSE ? 1 : 0) + L" visible=" +
         std::to_wstring(::IsWindowVisible(control) != FALSE ? 1 : 0) + L" rect=" +
         rectText(clientRectOf(control, topLevel));
}

HWND firstWindow(const std::wstring& what, const wchar_t* className = nullptr) {
  WindowQuery query = parseWindowQuery(what);
  query.className = className;
  const std::vector<HWND> found = findWindows(query);
  return found.empty() ? nullptr : found.front();
}

// Repeats check every 100 ms until it holds or the time is up.
bool waitFor(unsigned timeoutMs, const std::function<bool()>& check) {
  const ULONGLONG until = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (check()) return true;
    if (::GetTickCount64() >= until) return false;
    ::Sleep(100);
  }
}

int postClick(HWND control, bool twice) {
  if (::IsWindowEnabled(control) == FALSE) {
    complain(L"the control is disabled");
    return kDisabled;
  }
  const std::wstring kind = classOf(control);
  const auto id = static_cast<WORD>(::GetDlgCtrlID(control));
  const HWND parent = ::GetParent(control);
  // Posted, not sent: the click's handler may open a modal box and not return for a while.
  if (_wcsicmp(kind.c_str(), L"Button") == 0) {
    ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
    return kOk;
  }
  if (_wcsicmp(kind.c_str(), L"Static") == 0) {
    ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
    if (twice) {
      ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, STN_DBLCLK),
                     reinterpret_cast<LPARAM>(control));
    }
    return kOk;
  }
  complain(L"cannot click a control of class " + kind);
  return kUsage;
}

std::wstring buttonsOf(HWND dialog) {
  std::wstring list;
  for (HWND child : descendants(dialog)) {
    if (_wcsicmp(classOf(child).c_str(), L"Button") != 0 || ::IsWindowVisible(child) == FALSE) {
      continue;
    }
    if (!list.empty()) list += L",";
    list += std::to_wstring(::GetDlgCtrlID(child)) + L":" + textOf(child);
  }
  return list;
}

int listWindows() {
  for (HWND window : visibleTopLevelWindows()) {
    RECT area{};
    ::GetWindowRect(window, &area);
    say(L"class=" + classOf(window) + L" rect=" + rectText(area) + L" title=" + textOf(window));
  }
  return kOk;
}

int listControls(HWND window) {
  for (HWND control : descendants(window)) {
    const std::wstring name = layoutNameOf(control);
    say(L"name=" + (name.empty() ? std::wstring(L"-") : name) + L" class=" + classOf(control) +
        L" id=" + std::to_wstring(::GetDlgCtrlID(control)) + L" " + stateText(control, window) +
        L" text=" + textOf(control));
  }
  return kOk;
}

int listBoxes() {
  for (HWND window : visibleTopLevelWindows()) {
    if (classOf(window) != kDialogClass) continue;
    const HWND text = ::GetDlgItem(window, kMessageTextId);
    say(L"title=" + textOf(window) + L" buttons=" + buttonsOf(window) + L" text=" +
        (text != nullptr ? textOf(text) : std::wstring()));
  }
  return kOk;
}

int geometry(HWND window) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  RECT client{};
  ::GetClientRect(window, &client);
  ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  // The client area as seen from the window's own top-left corner, as in a screenshot of it.
  const RECT inner{client.left - outer.left, client.top - outer.top, client.right - outer.left,
                   client.bottom - outer.top};
  const auto xid = reinterpret_cast<UINT_PTR>(::GetPropW(window, L"__wine_x11_whole_window"));
  say(L"window=" + rectText(outer) + L" client=" + rectText(inner) + L" xid=" +
      std::to_wstring(xid) + L" enabled=" +
      std::to_wstring(::IsWindowEnabled(window) != FALSE ? 1 : 0));
  return kOk;
}

int answer(const std::wstring& title, int buttonId) {
  const HWND box = firstWindow(title, kDialogClass);
  if (box == nullptr) return kNoWindow;
  // Only a button the box really has: posting IDOK to a Yes/No box would close it with no answer.
  const HWND button = ::GetDlgItem(box, buttonId);
  if (button == nullptr || _wcsicmp(classOf(button).c_str(), L"Button") != 0) {
    complain(L"the box has no button " + std::to_wstring(buttonId));
    return kNoControl;
  }
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  return kOk;
}

int openFile(const std::wstring& path, const std::wstring& title) {
  const HWND dialog = firstWindow(title, kDialogClass);
  if (dialog == nullptr) return kNoWindow;
  HWND field = ::GetDlgItem(dialog, kFileNameField);
  if (field == nullptr) {
    for (HWND child : descendants(dialog)) {
      if (::GetDlgCtrlID(child) == kFileNameField) field = child;
    }
  }
  if (field == nullptr) return kNoControl;
  // The name field is an edit inside a combo box inside a ComboBoxEx32.
  if (_wcsicmp(classOf(field).c_str(), L"Edit") != 0) {
    HWND edit = nullptr;
    for (HWND child : descendants(field)) {
      if (_wcsicmp(classOf(child).c_str(), L"Edit") == 0) edit = child;
    }
    if (edit == nullptr) return kNoControl;
    field = edit;
  }
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
  return kOk;
}

// The layout name of the control that has the keyboard focus in the window's thread; "-" for
// the window itself, empty when the focus is in none of the two.
std::wstring focusIn(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) == FALSE) return {};
  if (info.hwndFocus == window) return L"-";
  if (info.hwndFocus == nullptr || ::IsChild(window, info.hwndFocus) == FALSE) return {};
  return layoutNameOf(info.hwndFocus);
}

int waitResult(bool held, const std::wstring& what) {
  if (held) return kOk;
  complain(L"timed out waiting for " + what);
  return kTimedOut;
}

int scroll(HWND window, const std::wstring& barName, const std::wstring& how) {
  const HWND bar = findControl(window, barName);
  if (bar == nullptr) return kNoControl;
  static const std::pair<const wchar_t*, WORD> kCodes[] = {
      {L"line-up", SB_LINEUP}, {L"line-down", SB_LINEDOWN},
      {L"page-up", SB_PAGEUP}, {L"page-down", SB_PAGEDOWN},
      {L"top", SB_TOP},        {L"bottom", SB_BOTTOM}};
  for (const auto& [name, code] : kCodes) {
    if (how == name) {
      ::PostMessageW(::GetParent(bar), WM_VSCROLL, MAKEWPARAM(code, 0),
                     reinterpret_cast<LPARAM>(bar));
      return kOk;
    }
  }
  return kUsage;
}

int startProgram(const std::wstring& commandLine, const std::wstring& folder) {
  // Exactly this command line: arguments handed over by the shell and Wine would be re-quoted.
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &info) == FALSE) {
    complain(L"cannot start " + commandLine + L" (error " + std::to_wstring(::GetLastError()) +
             L")");
    return kNoWindow;
  }
  say(std::to_wstring(info.dwProcessId));
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return kOk;
}

int actOnControl(const std::wstring& command, HWND control, HWND window) {
  if (command == L"text") {
    say(textOf(control));
    return kOk;
  }
  if (command == L"state") {
    say(stateText(control, window));
    return kOk;
  }
  if (command == L"click") return postClick(control, false);
  if (command == L"dblclick") return postClick(control, true);
  return kUsage;
}

}  // namespace

int runCommand(const std::vector<std::wstring>& args, unsigned timeoutMs) {
  const std::wstring& command = args[0];
  const std::size_t count = args.size() - 1;
  if (command == L"windows" && count == 0) return listWindows();
  if (command == L"boxes" && count == 0) return listBoxes();
  if (command == L"answer" && count == 2) {
    return answer(args[1], static_cast<int>(std::wcstol(args[2].c_str(), nullptr, 10)));
  }
  if (command == L"open-file" && (count == 1 || count == 2)) {
    return openFile(args[1], count == 2 ? args[2] : L"Open");
  }
  if (command == L"start" && (count == 1 || count == 2)) {
    return startProgram(args[1], count == 2 ? args[2] : std::wstring());
  }
  if (command == L"count" && count == 1) {
    say(std::to_wstring(findWindows(parseWindowQuery(args[1])).size()));
    return kOk;
  }
  if (command == L"wait-window" && count == 1) {
    return waitResult(waitFor(timeoutMs, [&] { return firstWindow(args[1]) != nullptr; }),
                      L"window " + args[1]);
  }
  if (command == L"wait-gone" && count == 1) {
    return waitResult(waitFor(timeoutMs, [&] { return firstWindow(args[1]) == nullptr; }),
                      L"window " + args[1] + L" to go");
  }
  if (command == L"wait-count" && count == 2) {
    const auto wanted = static_cast<std::size_t>(std::wcstoul(args[2].c_str(), nullptr, 10));
    return waitResult(
        waitFor(timeoutMs, [&] { return findWindows(parseWindowQuery(args[1])).size() == wanted; }),
        args[2] + L" windows " + args[1]);
  }

  // The rest act on one window.
  if (count < 1) return kUsage;
  if (command == L"wait-text" && count == 3) {
    std::wstring last;
    const bool held = waitFor(timeoutMs, [&] {
      const HWND window = firstWindow(args[1]);
      const HWND control = window != nullptr ? findControl(window, args[2]) : nullptr;
      if (control == nullptr) return false;
      last = textOf(control);
      return last == args[3];
    });
    return waitResult(held,
                      args[2] + L" to read \"" + args[3] + L"\" (it reads \"" + last + L"\")");
  }
  if (command == L"wait-enabled" && count == 3) {
    const bool wanted = args[3] == L"1";
    return waitResult(
        waitFor(timeoutMs,
                [&] {
                  const HWND window = firstWindow(args[1]);
                  const HWND control = window != nullptr ? findControl(window, args[2]) : nullptr;
                  return control != nullptr && (::IsWindowEnabled(control) != FALSE) == wanted;
                }),
        args[2] + (wanted ? L" to be enabled" : L" to be disabled"));
  }

  if (command == L"wait-focus" && count == 2) {
    std::wstring last;
    const bool held = waitFor(timeoutMs, [&] {
      const HWND window = firstWindow(args[1]);
      last = window != nullptr ? focusIn(window) : std::wstring();
      return last == args[2];
    });
    return waitResult(held, L"the focus on " + args[2] + L" (it is on \"" + last + L"\")");
  }

  const HWND window = firstWindow(args[1]);
  if (window == nullptr) {
    complain(L"no window " + args[1]);
    return kNoWindow;
  }
  if (command == L"controls" && count == 1) return listControls(window);
  if (command == L"geometry" && count == 1) return geometry(window);
  if (command == L"focus" && count == 1) {
    say(focusIn(window));
    return kOk;
  }
  if (command == L"close" && count == 1) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    return kOk;
  }
  if (command == L"scroll" && count == 3) return scroll(window, args[2], args[3]);
  if (count != 2) return kUsage;
  const HWND control = findControl(window, args[2]);
  if (control == nullptr) {
    complain(L"no control " + args[2] + L" in " + args[1]);
    return kNoControl;
  }
  return actOnControl(command, control, window);
}

int serve(int (*run)(std::vector<std::wstring> args)) {
  const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
  std::string pending;
  std::array<char, 4096> chunk{};
  for (;;) {
    const std::size_t end = pending.find('\n');
    if (end == std::string::npos) {
      DWORD got = 0;
      if (::ReadFile(in, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) == FALSE ||
          got == 0) {
        return kOk;  // the scenario has finished
      }
      pending.append(chunk.data(), got);
      continue;
    }
    const std::wstring line = fromUtf8(std::string_view(pending).substr(0, end));
    pending.erase(0, end + 1);
    std::vector<std::wstring> args;
    std::size_t from = 0;
    for (std::size_t at = 0; at <= line.size(); ++at) {
      if (at == line.size() || line[at] == L'\x1f') {
        args.push_back(line.substr(from, at - from));
        from = at + 1;
      }
    }
    const int result = run(args);
    say(L"\x1e" + std::to_wstring(result));
  }
}

}  // namespace probe
