#pragma once
// The probe's commands. Each returns the process's exit code (see main.cpp).

#include <string>
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

}  // namespace probe
