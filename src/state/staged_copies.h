#pragma once
// The tools copied beside a source outside the program's folder, and what identifies each copy.
// Every copy is recorded durably (copy_record.h) before the assembler runs, so that it is
// removed even when this program cannot do it itself, and so that another Tamrill working in
// the same folder knows it for a copy. A copy is deleted only while the file at its name is
// still that very copy and no other running Tamrill uses it: nothing the user put there is ever
// touched, and no window deletes the tools from under another one's run.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "base/sys_error.h"
#include "base/text.h"
#include "platform/platform.h"

namespace tamrill {

// The three tools, in the order they are copied and removed.
enum class Tool : std::uint8_t { Assembler, Mod51, Mod52 };
inline constexpr std::size_t kToolCount = 3;
inline constexpr std::array<Tool, kToolCount> kTools{Tool::Assembler, Tool::Mod51, Tool::Mod52};

// The copy's name in the staging folder.
const char16_t* copyNameOf(Tool tool);

struct StagedCopy {
  Text path;
  // What the copy was right after it was made; none when that could not be read, and then the
  // copy is never deleted, only told as left.
  std::optional<FileStamp> stamp;
};

struct StagedTool {
  bool made = false;  // the tool beside the last staged run's source is a copy this program
                      // answers for (made by it, or by another Tamrill), not the user's file
};

struct StagedCopies {
  Text folder;  // where the last staged run worked, ending in a backslash
  std::array<StagedTool, kToolCount> tools;
  // Every copy this program answers for that may still be on disk, in whatever folder: one
  // that could not be deleted stays here and is tried again.
  std::vector<StagedCopy> copies;

  StagedTool& operator[](Tool tool) { return tools[static_cast<std::size_t>(tool)]; }
  const StagedTool& operator[](Tool tool) const { return tools[static_cast<std::size_t>(tool)]; }
  bool pending() const { return !copies.empty(); }
};

// The originals in the program's folder, by tool.
using ToolOriginals = std::array<Text, kToolCount>;

struct StagingResult {
  bool done = true;
  Tool failedTool = Tool::Assembler;  // when not done: the copy that could not be made
  SysError error = SysError::None;
};

// Copies into folder, in order, each tool that is not there yet, and records each copy made.
// A tool there that a record of this or another Tamrill lists as its copy is taken over as a
// copy, not as the user's file. Stops at the first copy that fails; the copies made before it
// stay recorded.
StagingResult stageTools(Platform& platform, StagedCopies& staged, const ToolOriginals& originals,
                         const Text& folder);

struct CopyLeft {
  Text path;
  SysError error;
};

// Whether a clean-up waits for the other Tamrill windows: the timed one tries again later; the
// one at the end has no later.
enum class Removal : std::uint8_t { WhenFree, Now };

// Deletes the copies that are still the files the program made. A copy already gone, replaced by
// another file, or still used by another running Tamrill leaves the record and is not touched;
// one whose deletion fails (held open, its drive gone) stays and the others are still tried.
// Returns the copies left, with the reason.
std::vector<CopyLeft> removeStagedCopies(Platform& platform, StagedCopies& staged, Removal when);

// Removes the copies recorded by Tamrill sessions that have ended (forced to end, crashed, cut
// off), under the same rules, and their records once nothing is left in them. False when a copy
// is left that could not be deleted, or the other windows held the lock: to be tried again.
bool removeEndedSessionsCopies(Platform& platform, const StagedCopies& own);

}  // namespace tamrill
