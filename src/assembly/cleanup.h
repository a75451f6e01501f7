#pragma once
// The clean-ups of staged copies: the timed one, two ticks after a staged run; the one when the
// program ends through its window or "Konec"; and the silent one when the Windows session ends.

#include "platform/platform.h"
#include "state/program_state.h"

namespace tamrill {

// Counts one timer tick after a staged run; on the second, removes the copies that run made.
// True when it removed them now: the files the run left may have changed meanwhile.
[[nodiscard]] bool cleanupTick(Platform& platform, ProgramState& state);

// Removes the copies, tells in one box those that could not be deleted, and ends the program.
void exitCleanup(Platform& platform, ProgramState& state);

// Removes the copies without a word and ends the program.
void sessionEndCleanup(Platform& platform, ProgramState& state);

}  // namespace tamrill
