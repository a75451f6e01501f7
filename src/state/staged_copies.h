#pragma once
// The tools copied beside a source outside the program's folder: where, which of them the
// program made itself, and what identifies each copy. A clean-up deletes a copy only while the
// file at its name is still that very copy, so nothing the user put there is ever touched.

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
  bool made = false;     // the last staged run made this copy itself
  bool pending = false;  // that copy is still on disk as far as the program knows
  // What the copy was right after it was made; none when that could not be read, and then the
  // copy is never deleted, only told as left.
  std::optional<FileStamp> stamp;
};

struct StagedCopies {
  Text folder;  // where the last staged run made its copies, ending in a backslash
  std::array<StagedCopy, kToolCount> copies;

  StagedCopy& operator[](Tool tool) { return copies[static_cast<std::size_t>(tool)]; }
  const StagedCopy& operator[](Tool tool) const { return copies[static_cast<std::size_t>(tool)]; }
  // True while a copy of the last staged run may still be on disk.
  bool pending() const;
};

// The originals in the program's folder, by tool.
using ToolOriginals = std::array<Text, kToolCount>;

struct StagingResult {
  bool done = true;
  Tool failedTool = Tool::Assembler;  // when not done: the copy that could not be made
  SysError error = SysError::None;
};

// Copies into folder, in order, each tool that is not there yet, and records each copy made.
// Stops at the first copy that fails; the copies made before it stay recorded.
StagingResult stageTools(Platform& platform, StagedCopies& staged, const ToolOriginals& originals,
                         const Text& folder);

struct CopyLeft {
  Text path;
  SysError error;
};

// Deletes the pending copies that are still the files the program made. A copy already gone,
// or replaced by another file, leaves the record and is not touched; one whose deletion fails
// stays pending and the others are still tried. Returns the copies left, with the reason.
std::vector<CopyLeft> removeStagedCopies(Platform& platform, StagedCopies& staged);

}  // namespace tamrill
