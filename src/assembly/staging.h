#pragma once
// Copying the tools beside a source and removing the copies again. The copies are tied to the
// folder where they were made (Form1::stagedFolder): whatever source is open later, nothing is
// ever deleted anywhere else, and nothing that the program did not copy itself.

#include <vector>

#include "assembly/staged_tools.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tamrill {

class Application;

// True while a copy of the last staged run may still be on disk.
bool stagedCopiesPending(const Form1& form);

enum class PresenceTest { Skip, First };

// Deletes the pending copies in the folder where they were made. A copy that is already gone
// leaves the record; one whose deletion fails stays pending and the others are still tried.
// Returns the copies that stayed, with the reason.
struct StayedCopy {
  const StagedTool* tool;
  SysError error;
};
std::vector<StayedCopy> removeStagedCopies(Application& app, PresenceTest presence);

// Copies into folder, in the table's order, each tool that is not there yet, and sets the flags
// anew. A copy that fails is reported in a "Chyba" box and ends the staging there; the copies
// already made stay recorded. False in that case.
bool stageTools(Application& app, const Text& folder);

}  // namespace tamrill
