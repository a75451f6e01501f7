#include <algorithm>
#include <vector>

#include "benchmarks.h"
#include "child.h"
#include "report.h"

namespace bench {

namespace {

constexpr DWORD kStartTimeoutMs = 30000;

struct Contender {
  const wchar_t* label;
  std::wstring program;
  std::wstring folder;
  std::vector<double> milliseconds;
  std::vector<double> workingSets;
};

// One start: from process creation until its window is shown and it waits for input.
bool startOnce(Contender& contender, bool counts) {
  const double begin = now();
  Child child = Child::start(L"\"" + contender.program + L"\"", contender.folder);
  if (!child.running()) return false;
  const HWND window = child.waitUntilShown(kStartTimeoutMs);
  const double end = now();
  if (window == nullptr) {
    complain(std::wstring(contender.label) + L": no window came up");
    child.close(nullptr);
    return false;
  }
  const MemoryFigures memory = child.memory();
  child.close(window);
  if (counts) {
    contender.milliseconds.push_back((end - begin) * 1000.0);
    contender.workingSets.push_back(memory.workingSetMiB);
  }
  return true;
}

}  // namespace

bool startupBenchmark(const Layout& layout, int starts) {
  std::vector<Contender> contenders = {
      {L"bare window", layout.bareFolder + L"\\bare_window.exe", layout.bareFolder, {}, {}},
      {L"bare window, Tamrill's manifest, one button",
       layout.bareFolder + L"\\bare_window_themed.exe",
       layout.bareFolder,
       {},
       {}},
      {L"bare window, Tamrill's manifest and controls",
       layout.bareFolder + L"\\bare_window_controls.exe",
       layout.bareFolder,
       {},
       {}},
      {L"tamrill.exe", layout.appFolder + L"\\tamrill.exe", layout.appFolder, {}, {}},
  };
  // The first start of each loads its files into the cache; it does not count.
  for (Contender& contender : contenders) {
    if (!startOnce(contender, false)) return false;
  }
  for (int round = 0; round < starts; ++round) {
    for (Contender& contender : contenders) {
      if (!startOnce(contender, true)) return false;
    }
  }

  say(format(L"Start-up until the window is shown and idle, %d alternating starts each:", starts));
  for (const Contender& contender : contenders) {
    say(format(L"  %-45ls median %6.1f ms (fastest %6.1f)  working set %5.1f MiB", contender.label,
               median(contender.milliseconds),
               *std::min_element(contender.milliseconds.begin(), contender.milliseconds.end()),
               median(contender.workingSets)));
  }
  const Contender& tamrill = contenders.back();
  for (const Contender* yardstick : {&contenders[0], &contenders[1], &contenders[2]}) {
    // Each round's own ratio as well: on a busy machine the load changes between rounds more
    // than within one, so these spread less than the medians of the whole run.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < tamrill.milliseconds.size(); ++i) {
      ratios.push_back(tamrill.milliseconds[i] / yardstick->milliseconds[i]);
    }
    std::sort(ratios.begin(), ratios.end());
    say(
        format(L"  tamrill / %ls: start-up %.2fx (rounds: median %.2fx, middle half %.2f-%.2fx), "
               L"working set %.2fx",
               yardstick->label, median(tamrill.milliseconds) / median(yardstick->milliseconds),
               median(ratios), ratios[ratios.size() / 4], ratios[ratios.size() * 3 / 4],
               median(tamrill.workingSets) / median(yardstick->workingSets)));
  }
  return true;
}

}  // namespace bench
