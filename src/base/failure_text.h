#pragma once
// Why a file operation or a start failed, in words the user can act on.

#include "base/text.h"
#include "platform/platform.h"

namespace tamrill {

Text fileFailureReason(SysError error);

}  // namespace tamrill
