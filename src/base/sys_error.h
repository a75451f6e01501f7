#pragma once

#include <cstdint>

namespace tamrill {

// Why a platform call failed, reduced to the distinctions the program tells the user.
enum class SysError : std::uint8_t {
  None,
  NotFound,       // the file, folder or program is not there, in a place that is reachable
  Unreachable,    // its drive, stick or network share is gone or not ready: nothing is known
  AccessDenied,   // refused by permissions or a write-protected medium
  InUse,          // another program holds the file open
  AlreadyExists,  // a copy would have replaced an existing file
  BadExeFormat,   // a program this Windows cannot run (a 16-bit one, say)
  Other,
};

}  // namespace tamrill
