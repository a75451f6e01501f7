#include "state/staged_copies.h"

#include "base/paths.h"

namespace tamrill {

const char16_t* copyNameOf(Tool tool) {
  switch (tool) {
    case Tool::Assembler:
      return kAssemblerFileName;
    case Tool::Mod51:
      return kMod51FileName;
    case Tool::Mod52:
      return kMod52FileName;
  }
  return kAssemblerFileName;
}

bool StagedCopies::pending() const {
  for (const StagedCopy& copy : copies) {
    if (copy.pending) return true;
  }
  return false;
}

StagingResult stageTools(Platform& platform, StagedCopies& staged, const ToolOriginals& originals,
                         const Text& folder) {
  staged.folder = folder;
  for (StagedCopy& copy : staged.copies) copy = StagedCopy{};
  for (const Tool tool : kTools) {
    const Text target = folder + copyNameOf(tool);
    // A file of that name is the user's own, whatever its letter case: it is used, never replaced.
    if (platform.fileExists(target)) continue;
    SysError error = platform.copyFile(originals[static_cast<std::size_t>(tool)], target);
    if (error == SysError::None) {
      const StampResult made = platform.fileStamp(target);
      if (made.error == SysError::None) {
        staged[tool] = StagedCopy{true, true, made.stamp};
        continue;
      }
      // A copy that cannot be told from a file put there later must not stay: it is ours now.
      error = made.error;
      if (platform.deleteFile(target) != SysError::None) {
        staged[tool] = StagedCopy{true, true, std::nullopt};
      }
    }
    return StagingResult{false, tool, error};
  }
  return {};
}

std::vector<CopyLeft> removeStagedCopies(Platform& platform, StagedCopies& staged) {
  std::vector<CopyLeft> left;
  for (const Tool tool : kTools) {
    StagedCopy& copy = staged[tool];
    if (!copy.made || !copy.pending) continue;
    const Text path = staged.folder + copyNameOf(tool);
    if (!copy.stamp) {
      left.push_back(CopyLeft{path, SysError::Other});
      continue;
    }
    const StampResult now = platform.fileStamp(path);
    if (now.error == SysError::NotFound ||
        (now.error == SysError::None && now.stamp != copy.stamp)) {
      // Gone, or the user's own file now: nothing of ours is left there.
      copy.pending = false;
      continue;
    }
    SysError error = now.error;
    if (error == SysError::None) error = platform.deleteFile(path);
    if (error == SysError::None || error == SysError::NotFound) {
      copy.pending = false;
    } else {
      left.push_back(CopyLeft{path, error});
    }
  }
  return left;
}

}  // namespace tamrill
