// probe.exe: a small UI-automation tool for Tamrill's GUI tests. It reads windows and controls,
// clicks, answers message boxes, fills in the file-open dialog and waits for conditions with a
// time-out. Output is UTF-8; texts and titles are given as arguments in the same encoding.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "commands.h"

namespace {

void usage() {
  std::fputs(
      "usage: probe [-t ms] command [arguments]   or   probe serve\n"
      "windows are named by their whole title, or by a prefix ending in '*';\n"
      "controls by their layout name (Command1, Label1) or their text.\n"
      "  start COMMAND-LINE [FOLDER]      start a program with exactly this command line\n"
      "  windows                          visible top-level windows: class, title, rectangle\n"
      "  controls WINDOW                  every control: name, class, id, state, rectangle, text\n"
      "  text WINDOW CONTROL              the control's text\n"
      "  state WINDOW CONTROL             enabled=0|1 visible=0|1 rect=x,y,w,h (client area)\n"
      "  geometry WINDOW                  window and client rectangles, X window id, enabled\n"
      "  count WINDOW                     how many visible windows have that title\n"
      "  click WINDOW CONTROL             press a button or click a label (not when disabled)\n"
      "  dblclick WINDOW CONTROL          double-click a label\n"
      "  close WINDOW                     close a window as its close box does\n"
      "  send WINDOW                      send it a message as the system does; prints the ms it\n"
      "                                   took to answer (times out after -t ms)\n"
      "  end-session WINDOW               tell it that the user logs off, as Windows does\n"
      "  scroll WINDOW BAR HOW            HOW: line-up, line-down, page-up, page-down, top, "
      "bottom\n"
      "  repaint WINDOW                   paint all of it afresh, frame and controls included\n"
      "  caret WINDOW                     the caret's rectangle (client area), when it has one\n"
      "  covering WINDOW [CONTROL]        visible windows above the window that lie over the\n"
      "                                   control (or over the window)\n"
      "  boxes                            message boxes and dialogs: title, text, buttons\n"
      "  answer TITLE BUTTON-ID           press a message box's button (1 OK, 6 Yes, 7 No)\n"
      "  open-file PATH [TITLE]           type PATH into the file-open dialog and press Open\n"
      "  wait-window WINDOW               wait until such a window is visible\n"
      "  wait-gone WINDOW                 wait until no such window is visible\n"
      "  wait-count WINDOW N              wait until exactly N such windows are visible\n"
      "  wait-text WINDOW CONTROL TEXT    wait until the control shows TEXT\n"
      "  wait-enabled WINDOW CONTROL 0|1  wait until the control is disabled or enabled\n"
      "  focus WINDOW                     the control with the keyboard focus in the window's\n"
      "                                   program: its layout name, - for the window itself\n"
      "  wait-focus WINDOW CONTROL        wait until that control has the keyboard focus\n"
      "  wait-painted WINDOW              wait until nothing of it waits to be painted and its\n"
      "                                   program answers\n"
      "  serve                            read commands from stdin, one a line, arguments\n"
      "                                   separated by \\x1f; each answer ends with a line\n"
      "                                   \\x1e followed by the exit code\n"
      "exit codes: 0 done, 1 usage, 2 no such window (or start failed), 3 no such control, 4 timed "
      "out,\n"
      "5 control disabled. The time-out of the wait commands is 10000 ms unless -t says.\n",
      stderr);
}

// One command with its options; usage problems print the usage.
int runArguments(std::vector<std::wstring> args) {
  unsigned timeoutMs = 10000;
  if (args.size() >= 2 && args[0] == L"-t") {
    timeoutMs = static_cast<unsigned>(std::wcstoul(args[1].c_str(), nullptr, 10));
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) {
    usage();
    return probe::kUsage;
  }
  const int result = probe::runCommand(args, timeoutMs);
  if (result == probe::kUsage) usage();
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == L"serve") return probe::serve(runArguments);
  return runArguments(args);
}
