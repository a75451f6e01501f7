#pragma once
// The durable record of the tool copies: one small file per running Tamrill in the user's local
// application data folder, which lists each copy that Tamrill answers for with the stamp it had
// when it was made. It outlives the program however the program ends ("End task", a crash, a
// power cut, the end of the Windows session), so that a later start can remove what was left,
// and it tells two Tamrill windows that work in one folder which copies are whose.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "platform/platform.h"

namespace tamrill {

struct RecordedCopy {
  Text path;
  FileStamp stamp;
  bool operator==(const RecordedCopy&) const = default;
};

struct SessionRecord {
  SessionId session;
  Text path;  // the record file
  std::vector<RecordedCopy> copies;
};

std::string formatRecord(const std::vector<RecordedCopy>& copies);
// None when the bytes are no record; lines that cannot be read are passed over.
std::optional<std::vector<RecordedCopy>> parseRecord(std::string_view bytes);

// The record file's name for a session, and the session a file of the records' folder belongs
// to: a record, or the temporary file a write left behind (temporary then true).
Text recordFileName(const SessionId& session);
struct RecordFileOf {
  SessionId session;
  bool temporary = false;
};
std::optional<RecordFileOf> recordFileOf(TextView name);

class CopyRecords {
 public:
  explicit CopyRecords(Platform& platform) : platform_(platform) {}

  // The records' folder; empty when the system names no local application data folder, and
  // then nothing is recorded.
  Text folder() const;
  // Every record in the folder but this session's own, with the temporary files left beside
  // them (their copies empty).
  std::vector<SessionRecord> others() const;
  // Writes this session's record; an empty one is removed. False when it could not be written.
  bool writeOwn(const std::vector<RecordedCopy>& copies) const;
  // Writes another session's record after its copies were removed; empty: the file goes.
  void rewrite(const SessionRecord& record) const;

 private:
  Platform& platform_;
};

}  // namespace tamrill
