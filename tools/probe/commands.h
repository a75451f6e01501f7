#pragma once
// The probe's commands. Each returns the process's exit code (see main.cpp).

#include <string>
#include <string_view>
#include <vector>

namespace probe {

enum ExitCode : int {
  kOk = 0,
  kUsage = 1,
  kNoWindow = 2,
  kNoControl = 3,
  kTimedOut = 4,
  kDisabled = 5,
};

int runCommand(const std::vector<std::wstring>& args, unsigned timeoutMs);

// Runs one command per line of stdin, for as long as stdin stays open: a scenario pays Wine's
// start-up once instead of once for every question it asks.
int serve(int (*run)(std::vector<std::wstring> args));

}  // namespace probe
