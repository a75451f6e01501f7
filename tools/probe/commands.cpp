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
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
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

// Nothing of the window is waiting to be painted, nor of any control in it.
bool nothingToPaint(HWND window) {
  if (::GetUpdateRect(window, nullptr, FALSE) != FALSE) return false;
  for (HWND control : descendants(window)) {
    if (::IsWindowVisible(control) != FALSE && ::GetUpdateRect(control, nullptr, FALSE) != FALSE) {
      return false;
    }
  }
  return true;
}

// The window's thread has gone through its queue: it answers a message sent now.
bool answers(HWND window) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

// All of the window painted afresh, its frame and every control included, as the system does
// when the window is uncovered. Done on a thread of its own: the painting is sent to the
// window's thread, which may not answer.
int repaint(HWND window, unsigned timeoutMs) {
  const HANDLE thread = ::CreateThread(
      nullptr, 0,
      [](LPVOID target) -> DWORD {
        ::RedrawWindow(static_cast<HWND>(target), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        return 0;
      },
      window, 0, nullptr);
  if (thread == nullptr) return kNoWindow;
  const bool done = ::WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
  ::CloseHandle(thread);
  return waitResult(done, L"the window to repaint");
}

// The visible windows above the window that lie over the area (screen coordinates): a tip, a
// box, another program.
std::vector<HWND> windowsOver(HWND window, const RECT& area) {
  std::vector<HWND> over;
  for (HWND other : visibleTopLevelWindows()) {  // from the top down
    if (other == window) break;
    RECT place{};
    RECT common{};
    if (::GetWindowRect(other, &place) != FALSE &&
        ::IntersectRect(&common, &place, &area) != FALSE) {
      over.push_back(other);
    }
  }
  return over;
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

// args[0] is the command's name; its arguments follow.
using Args = std::vector<std::wstring>;

// The control args[2] of the window args[1], as it is now; nullptr when either is missing.
HWND namedControl(const Args& args) {
  const HWND window = firstWindow(args[1]);
  return window != nullptr ? findControl(window, args[2]) : nullptr;
}

// --- Commands on the desktop as a whole ---

int windowsCommand(const Args& /*args*/, unsigned /*timeoutMs*/) {
  return listWindows();
}
int boxesCommand(const Args& /*args*/, unsigned /*timeoutMs*/) {
  return listBoxes();
}

int countCommand(const Args& args, unsigned /*timeoutMs*/) {
  say(std::to_wstring(findWindows(parseWindowQuery(args[1])).size()));
  return kOk;
}

int startCommand(const Args& args, unsigned /*timeoutMs*/) {
  return startProgram(args[1], args.size() > 2 ? args[2] : std::wstring());
}

// --- Commands on a message box or the file-open dialog ---

int answerCommand(const Args& args, unsigned /*timeoutMs*/) {
  return answer(args[1], static_cast<int>(std::wcstol(args[2].c_str(), nullptr, 10)));
}

int openFileCommand(const Args& args, unsigned /*timeoutMs*/) {
  return openFile(args[1], args.size() > 2 ? args[2] : L"Open");
}

// --- Waits: each polls its condition until it holds or the time-out has passed ---

int waitWindowCommand(const Args& args, unsigned timeoutMs) {
  return waitResult(waitFor(timeoutMs, [&] { return firstWindow(args[1]) != nullptr; }),
                    L"window " + args[1]);
}

int waitGoneCommand(const Args& args, unsigned timeoutMs) {
  return waitResult(waitFor(timeoutMs, [&] { return firstWindow(args[1]) == nullptr; }),
                    L"window " + args[1] + L" to go");
}

int waitCountCommand(const Args& args, unsigned timeoutMs) {
  const auto wanted = static_cast<std::size_t>(std::wcstoul(args[2].c_str(), nullptr, 10));
  return waitResult(
      waitFor(timeoutMs, [&] { return findWindows(parseWindowQuery(args[1])).size() == wanted; }),
      args[2] + L" windows " + args[1]);
}

int waitTextCommand(const Args& args, unsigned timeoutMs) {
  std::wstring last;
  const bool held = waitFor(timeoutMs, [&] {
    const HWND control = namedControl(args);
    if (control == nullptr) return false;
    last = textOf(control);
    return last == args[3];
  });
  return waitResult(held, args[2] + L" to read \"" + args[3] + L"\" (it reads \"" + last + L"\")");
}

int waitEnabledCommand(const Args& args, unsigned timeoutMs) {
  const bool wanted = args[3] == L"1";
  const bool held = waitFor(timeoutMs, [&] {
    const HWND control = namedControl(args);
    return control != nullptr && (::IsWindowEnabled(control) != FALSE) == wanted;
  });
  return waitResult(held, args[2] + (wanted ? L" to be enabled" : L" to be disabled"));
}

int waitFocusCommand(const Args& args, unsigned timeoutMs) {
  std::wstring last;
  const bool held = waitFor(timeoutMs, [&] {
    const HWND window = firstWindow(args[1]);
    last = window != nullptr ? focusIn(window) : std::wstring();
    return last == args[2];
  });
  return waitResult(held, L"the focus on " + args[2] + L" (it is on \"" + last + L"\")");
}

int waitPaintedCommand(const Args& args, unsigned timeoutMs) {
  const bool held = waitFor(timeoutMs, [&] {
    const HWND window = firstWindow(args[1]);
    return window != nullptr && nothingToPaint(window) && answers(window);
  });
  return waitResult(held, args[1] + L" to finish painting");
}

// --- Commands on one window, named by args[1] ---

// Runs act on the window args[1], or says there is none.
int onWindow(const Args& args, const std::function<int(HWND)>& act) {
  const HWND window = firstWindow(args[1]);
  if (window == nullptr) {
    complain(L"no window " + args[1]);
    return kNoWindow;
  }
  return act(window);
}

int controlsCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, listControls);
}

int geometryCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, geometry);
}

int focusCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, [](HWND window) {
    say(focusIn(window));
    return static_cast<int>(kOk);
  });
}

int closeCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, [](HWND window) {
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    return kOk;
  });
}

int scrollCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, [&](HWND window) { return scroll(window, args[2], args[3]); });
}

int repaintCommand(const Args& args, unsigned timeoutMs) {
  return onWindow(args, [&](HWND window) { return repaint(window, timeoutMs); });
}

int caretCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, [](HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) != FALSE &&
        info.hwndCaret != nullptr && ::IsChild(window, info.hwndCaret) != FALSE) {
      RECT caret = info.rcCaret;
      ::MapWindowPoints(info.hwndCaret, window, reinterpret_cast<POINT*>(&caret), 2);
      say(rectText(caret));
    }
    return static_cast<int>(kOk);
  });
}

int sendCommand(const Args& args, unsigned timeoutMs) {
  return onWindow(args, [&](HWND window) {
    const ULONGLONG start = ::GetTickCount64();
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) == 0) {
      complain(L"no answer from " + args[1]);
      return static_cast<int>(kTimedOut);
    }
    say(std::to_wstring(::GetTickCount64() - start));
    return static_cast<int>(kOk);
  });
}

int endSessionCommand(const Args& args, unsigned timeoutMs) {
  return onWindow(args, [&](HWND window) {
    // The program may end while it handles the second message: no answer is asked of it.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                          timeoutMs, &result);
    ::SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                          timeoutMs, &result);
    return static_cast<int>(kOk);
  });
}

// --- Commands on one control, named by args[2] in the window args[1] ---

// Runs act on the control and its window, or says which of them is not there.
int onControl(const Args& args, const std::function<int(HWND control, HWND window)>& act) {
  return onWindow(args, [&](HWND window) {
    const HWND control = findControl(window, args[2]);
    if (control == nullptr) {
      complain(L"no control " + args[2] + L" in " + args[1]);
      return static_cast<int>(kNoControl);
    }
    return act(control, window);
  });
}

int textCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onControl(args, [](HWND control, HWND /*window*/) {
    say(textOf(control));
    return kOk;
  });
}

int stateCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onControl(args, [](HWND control, HWND window) {
    say(stateText(control, window));
    return kOk;
  });
}

// The visible windows above the window that lie over the control, or over any of the window.
int coveringCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onWindow(args, [&](HWND window) {
    const HWND target = args.size() > 2 ? findControl(window, args[2]) : window;
    if (target == nullptr) {
      complain(L"no control " + args[2] + L" in " + args[1]);
      return static_cast<int>(kNoControl);
    }
    RECT area{};
    ::GetWindowRect(target, &area);
    for (HWND over : windowsOver(window, area)) {
      RECT place{};
      ::GetWindowRect(over, &place);
      say(L"class=" + classOf(over) + L" rect=" + rectText(place) + L" title=" + textOf(over));
    }
    return static_cast<int>(kOk);
  });
}

int clickCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onControl(args, [](HWND control, HWND /*window*/) { return postClick(control, false); });
}

int dblclickCommand(const Args& args, unsigned /*timeoutMs*/) {
  return onControl(args, [](HWND control, HWND /*window*/) { return postClick(control, true); });
}

struct Command {
  const wchar_t* name;
  std::size_t leastArguments;
  std::size_t mostArguments;
  int (*run)(const Args& args, unsigned timeoutMs);
};

// Every command with the number of arguments it takes (main.cpp's usage describes them).
constexpr Command kCommands[] = {
    {L"windows", 0, 0, windowsCommand},
    {L"boxes", 0, 0, boxesCommand},
    {L"count", 1, 1, countCommand},
    {L"start", 1, 2, startCommand},
    {L"answer", 2, 2, answerCommand},
    {L"open-file", 1, 2, openFileCommand},
    {L"wait-window", 1, 1, waitWindowCommand},
    {L"wait-gone", 1, 1, waitGoneCommand},
    {L"wait-count", 2, 2, waitCountCommand},
    {L"wait-text", 3, 3, waitTextCommand},
    {L"wait-enabled", 3, 3, waitEnabledCommand},
    {L"wait-focus", 2, 2, waitFocusCommand},
    {L"wait-painted", 1, 1, waitPaintedCommand},
    {L"controls", 1, 1, controlsCommand},
    {L"geometry", 1, 1, geometryCommand},
    {L"focus", 1, 1, focusCommand},
    {L"close", 1, 1, closeCommand},
    {L"scroll", 3, 3, scrollCommand},
    {L"repaint", 1, 1, repaintCommand},
    {L"caret", 1, 1, caretCommand},
    {L"send", 1, 1, sendCommand},
    {L"end-session", 1, 1, endSessionCommand},
    {L"text", 2, 2, textCommand},
    {L"state", 2, 2, stateCommand},
    {L"covering", 1, 2, coveringCommand},
    {L"click", 2, 2, clickCommand},
    {L"dblclick", 2, 2, dblclickCommand},
};

}  // namespace

int runCommand(const std::vector<std::wstring>& args, unsigned timeoutMs) {
  const std::size_t count = args.size() - 1;
  for (const Command& command : kCommands) {
    if (args[0] != command.name) continue;
    if (count < command.leastArguments || count > command.mostArguments) return kUsage;
    return command.run(args, timeoutMs);
  }
  return kUsage;
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
