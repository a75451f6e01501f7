#include "state/staged_copies.h"

#include <algorithm>

#include "base/paths.h"
#include "state/copy_record.h"

namespace tamrill {

namespace {

bool lists(const std::vector<SessionRecord>& records, const Text& path, const FileStamp& stamp) {
  return std::ranges::any_of(records, [&](const SessionRecord& record) {
    return std::ranges::any_of(record.copies, [&](const RecordedCopy& copy) {
      return copy.stamp == stamp && equalIgnoringCase(copy.path, path);
    });
  });
}

std::vector<RecordedCopy> recorded(const StagedCopies& staged) {
  std::vector<RecordedCopy> copies;
  for (const StagedCopy& copy : staged.copies) {
    if (copy.stamp) copies.push_back(RecordedCopy{copy.path, *copy.stamp});
  }
  return copies;
}

SessionRecord ownRecord(Platform& platform, const StagedCopies& staged) {
  return SessionRecord{platform.thisSession(), {}, recorded(staged)};
}

std::vector<SessionRecord> runningOnes(Platform& platform, std::vector<SessionRecord> records) {
  std::erase_if(records, [&](const SessionRecord& record) {
    return !platform.sessionRunning(record.session);
  });
  return records;
}

// Deletes the copy at path while it is still the file recorded with stamp and no other running
// Tamrill claims it. None when nothing of it is left to answer for: deleted, gone, replaced by
// the user's file, or still used by another window, which then removes it.
SysError removeCopy(Platform& platform, const Text& path, const FileStamp& stamp,
                    const std::vector<SessionRecord>& claimants) {
  const StampResult now = platform.fileStamp(path);
  // Only "not found" in a folder that is there means gone: a drive, stick or share that has
  // gone away may come back with the copy on it.
  if (now.error == SysError::NotFound) return SysError::None;
  if (now.error != SysError::None) return now.error;
  if (now.stamp != stamp || lists(claimants, path, stamp)) return SysError::None;
  const SysError error = platform.deleteFile(path);
  return error == SysError::NotFound ? SysError::None : error;
}

}  // namespace

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

StagingResult stageTools(Platform& platform, StagedCopies& staged, const ToolOriginals& originals,
                         const Text& folder) {
  const CopyRecords records(platform);
  // Without the lock, staging goes on all the same: at worst another window's copy made at this
  // very moment is taken for the user's file, which is never deleted.
  const auto lock = platform.lockCopies();
  const std::vector<SessionRecord> others = records.others();
  staged.folder = folder;
  staged.tools = {};
  StagingResult result;
  for (const Tool tool : kTools) {
    const Text target = folder + copyNameOf(tool);
    const auto place = [&](std::optional<FileStamp> stamp) {
      std::erase_if(staged.copies,
                    [&](const StagedCopy& c) { return equalIgnoringCase(c.path, target); });
      staged.copies.push_back(StagedCopy{target, stamp});
      staged[tool].made = true;
    };
    if (platform.fileExists(target)) {
      // The user's own file, whatever its letter case, is used and never replaced; a copy that
      // a record lists (this program's, another window's, or one left by a Tamrill that ended)
      // is taken over instead.
      const StampResult now = platform.fileStamp(target);
      if (now.error == SysError::None && (lists({ownRecord(platform, staged)}, target, now.stamp) ||
                                          lists(others, target, now.stamp))) {
        place(now.stamp);
      }
      continue;
    }
    SysError error = platform.copyFile(originals[static_cast<std::size_t>(tool)], target);
    if (error == SysError::None) {
      const StampResult made = platform.fileStamp(target);
      if (made.error == SysError::None) {
        place(made.stamp);
        continue;
      }
      // A copy that cannot be told from a file put there later must not stay: it is ours now.
      error = made.error;
      if (platform.deleteFile(target) != SysError::None) place(std::nullopt);
    }
    result = StagingResult{false, tool, error};
    break;
  }
  // When the record cannot be written the run still goes on: the copies are removed as ever by
  // this program, only not after a crash.
  static_cast<void>(records.writeOwn(recorded(staged)));
  return result;
}

std::vector<CopyLeft> removeStagedCopies(Platform& platform, StagedCopies& staged, Removal when) {
  std::vector<CopyLeft> left;
  if (staged.copies.empty()) return left;
  const auto lock = platform.lockCopies();
  if (!lock && when == Removal::WhenFree) {
    for (const StagedCopy& copy : staged.copies)
      left.push_back(CopyLeft{copy.path, SysError::InUse});
    return left;
  }
  const CopyRecords records(platform);
  const std::vector<SessionRecord> claimants = runningOnes(platform, records.others());
  std::vector<StagedCopy> kept;
  for (const StagedCopy& copy : staged.copies) {
    const SysError error =
        copy.stamp ? removeCopy(platform, copy.path, *copy.stamp, claimants) : SysError::Other;
    if (error == SysError::None) continue;
    left.push_back(CopyLeft{copy.path, error});
    kept.push_back(copy);
  }
  if (kept.size() != staged.copies.size()) {
    staged.copies = std::move(kept);
    static_cast<void>(records.writeOwn(recorded(staged)));
  }
  return left;
}

bool removeEndedSessionsCopies(Platform& platform, const StagedCopies& own) {
  const auto lock = platform.lockCopies();
  if (!lock) return false;
  const CopyRecords records(platform);
  std::vector<SessionRecord> claimants{ownRecord(platform, own)};
  std::vector<SessionRecord> ended;
  for (SessionRecord& record : records.others()) {
    (platform.sessionRunning(record.session) ? claimants : ended).push_back(std::move(record));
  }
  bool done = true;
  for (SessionRecord& record : ended) {
    const std::size_t before = record.copies.size();
    std::erase_if(record.copies, [&](const RecordedCopy& copy) {
      return removeCopy(platform, copy.path, copy.stamp, claimants) == SysError::None;
    });
    if (record.copies.empty() || record.copies.size() != before) records.rewrite(record);
    done = done && record.copies.empty();
  }
  return done;
}

}  // namespace tamrill
