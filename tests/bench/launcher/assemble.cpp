#include <algorithm>
#include <vector>

#include "benchmarks.h"
#include "child.h"
#include "controls.h"
#include "report.h"

namespace bench {

namespace {

constexpr DWORD kTimeoutMs = 60000;
constexpr wchar_t kVerdict[] = L"bez chyb :)";
// Put into Label1 before each press, so that the verdict that follows is this run's.
constexpr wchar_t kMarker[] = L"-";

// From the posted press until Label1 shows the verdict; negative when it never does.
double pressOnce(HWND command3, HWND label1) {
  if (!setText(label1, kMarker)) return -1;
  const double begin = now();
  ::PostMessageW(command3, BM_CLICK, 0, 0);
  // While the press is handled the question waits for an answer, so this rarely goes round.
  for (;;) {
    const std::wstring text = textOf(label1);
    if (text == kVerdict) return (now() - begin) * 1000.0;
    if (text.empty() || (text != kMarker && text != L"klikni zde...")) {
      complain(L"Label1 reads \"" + text + L"\" instead of \"" + kVerdict + L"\"");
      return -1;
    }
    if ((now() - begin) * 1000.0 > kTimeoutMs) {
      complain(L"no verdict in Label1");
      return -1;
    }
    ::Sleep(1);
  }
}

// The same assembler on the same source, started directly and waited for.
double assembleDirectly(const Layout& layout) {
  const double begin = now();
  Child child =
      Child::start(L"\"" + layout.directFolder + L"\\asm51.exe\" blink", layout.directFolder);
  if (!child.running()) return -1;
  if (!child.waitForExit(kTimeoutMs)) {
    complain(L"the assembler did not end");
    child.close(nullptr);
    return -1;
  }
  return (now() - begin) * 1000.0;
}

}  // namespace

bool assembleBenchmark(const Layout& layout, int runs) {
  Child tamrill = Child::start(
      L"\"" + layout.appFolder + L"\\tamrill.exe\" \"" + layout.projectFolder + L"\\blink.asm\"",
      layout.appFolder);
  if (!tamrill.running()) return false;
  const HWND window = tamrill.waitUntilShown(kTimeoutMs);
  const HWND command3 = window != nullptr ? findControl(window, L"Command3") : nullptr;
  const HWND label1 = window != nullptr ? findControl(window, L"Label1") : nullptr;
  if (command3 == nullptr || label1 == nullptr || ::IsWindowEnabled(command3) == FALSE) {
    complain(L"Tamrill did not come up with blink.asm open and \"Přeložit\" enabled");
    tamrill.close(window);
    return false;
  }
  const MemoryFigures idle = tamrill.memory();
  // The pointer rests on the button, as a user's would: what hovering loads counts as well.
  RECT button{};
  ::GetWindowRect(command3, &button);
  ::SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);

  // One run of each that does not count: the first press loads what a press needs.
  if (pressOnce(command3, label1) < 0 || assembleDirectly(layout) < 0) {
    tamrill.close(window);
    return false;
  }
  std::vector<double> pressed;
  std::vector<double> direct;
  MemoryFigures early;
  double peak = 0;
  for (int run = 0; run < runs; ++run) {
    const double ours = pressOnce(command3, label1);
    const double theirs = assembleDirectly(layout);
    if (ours < 0 || theirs < 0) {
      tamrill.close(window);
      return false;
    }
    pressed.push_back(ours);
    direct.push_back(theirs);
    const MemoryFigures figures = tamrill.memory();
    peak = std::max(peak, figures.workingSetMiB);
    if (run == std::min(9, runs - 1)) early = figures;
  }
  const MemoryFigures last = tamrill.memory();
  tamrill.close(window);

  say(
      format(L"\"Přeložit\" on blink.asm until Label1 shows the verdict, %d runs alternating with "
             L"the assembler alone:",
             runs));
  say(format(L"  assembler started directly and waited for   median %6.1f ms", median(direct)));
  say(format(L"  \"Přeložit\" (staged: three copies, run, scan) median %6.1f ms", median(pressed)));
  say(format(L"  \"Přeložit\" / assembler alone: %.2fx", median(pressed) / median(direct)));
  say(
      format(L"Tamrill's memory over the runs: working set %.1f MiB idle before them, %.1f MiB "
             L"after run %d, %.1f MiB after run %d, peak %.1f MiB (the process's own peak: "
             L"%.1f MiB)",
             idle.workingSetMiB, early.workingSetMiB, std::min(10, runs), last.workingSetMiB, runs,
             peak, last.peakWorkingSetMiB));
  // Wine reports no handle count for another process; Windows does.
  const std::wstring handles = early.handles == 0
                                   ? std::wstring()
                                   : format(L", handles %lu to %lu", early.handles, last.handles);
  say(format(L"  growth from run %d to run %d: %+.2f MiB working set", std::min(10, runs), runs,
             last.workingSetMiB - early.workingSetMiB) +
      handles);
  return true;
}

}  // namespace bench
