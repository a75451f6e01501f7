// Start-up, "Přeložit" and memory of tamrill.exe under the same conditions as a yardstick
// measured in the same run. Not a test: it prints figures and passes or fails nothing.
//
//   bench_launcher.exe FOLDER SOURCE [startup] [assemble] [--starts N] [--runs N]
//
// FOLDER holds the built tamrill.exe, asm51.exe, mod51, mod52 and the two bare windows; SOURCE
// is examples\blink.asm. Everything is copied into a temporary folder first, which goes again at
// the end. Without a benchmark named, both run.

#include <windows.h>

#include <string>

#include "benchmarks.h"
#include "folders.h"
#include "report.h"

namespace {

bool layOut(const std::wstring& built, const std::wstring& source, const bench::TempFolder& temp,
            bench::Layout& layout) {
  layout.appFolder = temp.path() + L"\\app";
  layout.bareFolder = temp.path() + L"\\bare";
  layout.projectFolder = temp.path() + L"\\project";
  layout.directFolder = temp.path() + L"\\direct";
  for (const std::wstring* folder :
       {&layout.appFolder, &layout.bareFolder, &layout.projectFolder, &layout.directFolder}) {
    if (!bench::makeFolder(*folder)) return false;
  }
  for (const wchar_t* name : {L"tamrill.exe", L"asm51.exe", L"mod51", L"mod52"}) {
    if (!bench::copyInto(built + L"\\" + name, layout.appFolder, name)) return false;
  }
  for (const wchar_t* name : {L"asm51.exe", L"mod51", L"mod52"}) {
    if (!bench::copyInto(built + L"\\" + name, layout.directFolder, name)) return false;
  }
  for (const wchar_t* name :
       {L"bare_window.exe", L"bare_window_themed.exe", L"bare_window_controls.exe"}) {
    if (!bench::copyInto(built + L"\\" + name, layout.bareFolder, name)) return false;
  }
  return bench::copyInto(source, layout.projectFolder, L"blink.asm") &&
         bench::copyInto(source, layout.directFolder, L"blink.asm");
}

int usage() {
  bench::complain(
      L"usage: bench_launcher FOLDER SOURCE [startup] [assemble] [--starts N] [--runs N]");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return usage();
  bool startup = false;
  bool assemble = false;
  int starts = 15;
  int runs = 100;
  for (int i = 3; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"startup") {
      startup = true;
    } else if (argument == L"assemble") {
      assemble = true;
    } else if ((argument == L"--starts" || argument == L"--runs") && i + 1 < argc) {
      const int count = _wtoi(argv[++i]);
      if (count < 1) return usage();
      (argument == L"--starts" ? starts : runs) = count;
    } else {
      return usage();
    }
  }
  if (!startup && !assemble) startup = assemble = true;

  const bench::TempFolder temp;
  bench::Layout layout;
  if (!temp.made() || !layOut(argv[1], argv[2], temp, layout)) return 1;
  if (startup && !bench::startupBenchmark(layout, starts)) return 1;
  if (assemble && !bench::assembleBenchmark(layout, runs)) return 1;
  return 0;
}
