#pragma once
// What a Tamrill knows of the other Tamrill processes of its user: whether one is still running,
// and the one lock they all take to decide about copies. Also where their records live.

#include <memory>

#include "platform/platform.h"

namespace tamrill::win32 {

Text localDataFolder();
SessionId thisSession();
bool sessionRunning(const SessionId& session);
std::unique_ptr<HeldLock> lockCopies();

}  // namespace tamrill::win32
