#pragma once
// Win32 error codes reduced to the distinctions the program tells the user.

#include <windows.h>

#include "platform/platform.h"

namespace tamrill::win32 {

SysError toSysError(DWORD error);
inline SysError lastSysError() {
  return toSysError(::GetLastError());
}

}  // namespace tamrill::win32
