#pragma once
// Why a file operation or a start failed, in words the user can act on.

#include "base/sys_error.h"
#include "base/text.h"

namespace tamrill {

// What was being done when the failure came: the same failure reads differently for a file the
// program handles and for a program it starts.
enum class Attempt : std::uint8_t { FileOperation, ProgramStart };

Text failureReason(SysError error, Attempt attempt);

inline Text fileFailureReason(SysError error) {
  return failureReason(error, Attempt::FileOperation);
}

}  // namespace tamrill
