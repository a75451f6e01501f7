#pragma once
// Win32 error codes reduced to the distinctions the program tells the user.

#include <windows.h>

#include "platform/platform.h"

namespace tamrill::win32 {

SysError toSysError(DWORD error);
inline SysError lastSysError() {
  return toSysError(::GetLastError());
}

// The error of a call on path: "path not found" on a drive or share that is gone is told apart
// from a folder that is missing on a drive that is there.
SysError pathSysError(DWORD error, const Text& path);
inline SysError lastSysError(const Text& path) {
  return pathSysError(::GetLastError(), path);
}

}  // namespace tamrill::win32
