#include "state/copy_record.h"

#include <charconv>
#include <cstdint>

namespace tamrill {

namespace {

constexpr std::string_view kHeader = "Tamrill copies 1";
constexpr std::u16string_view kPrefix = u"copies-";
constexpr std::u16string_view kSuffix = u".txt";
constexpr std::u16string_view kTemporary = u".tmp";
// A record lists a handful of copies; anything longer is no record of this program's.
constexpr std::uint64_t kLargestRecord = 1 << 20;

template <class Number>
bool takeNumber(std::string_view& text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() + text.size() || *end != ' ') return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
  return true;
}

template <class Number>
bool takeNumber(TextView& text, Number& value) {
  value = 0;
  std::size_t used = 0;
  for (; used < text.size() && text[used] >= u'0' && text[used] <= u'9'; ++used) {
    if (used >= 20) return false;
    value = static_cast<Number>(value * 10 + static_cast<Number>(text[used] - u'0'));
  }
  if (used == 0) return false;
  text.remove_prefix(used);
  return true;
}

}  // namespace

std::string formatRecord(const std::vector<RecordedCopy>& copies) {
  std::string text(kHeader);
  text += "\r\n";
  for (const RecordedCopy& copy : copies) {
    for (const std::uint64_t number :
         {copy.stamp.volume, copy.stamp.index, copy.stamp.size, copy.stamp.lastWrite}) {
      text += std::to_string(number) + ' ';
    }
    text += toUtf8(copy.path) + "\r\n";
  }
  return text;
}

std::optional<std::vector<RecordedCopy>> parseRecord(std::string_view bytes) {
  std::vector<RecordedCopy> copies;
  bool header = true;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (header) {
      if (line != kHeader) return std::nullopt;
      header = false;
      continue;
    }
    RecordedCopy copy;
    if (!takeNumber(line, copy.stamp.volume) || !takeNumber(line, copy.stamp.index) ||
        !takeNumber(line, copy.stamp.size) || !takeNumber(line, copy.stamp.lastWrite) ||
        line.empty()) {
      continue;
    }
    copy.path = fromUtf8(line);
    copies.push_back(std::move(copy));
  }
  if (header) return std::nullopt;
  return copies;
}

Text recordFileName(const SessionId& session) {
  const std::string id = std::to_string(session.process) + '-' + std::to_string(session.started);
  return Text(kPrefix) + fromUtf8(id) + Text(kSuffix);
}

std::optional<RecordFileOf> recordFileOf(TextView name) {
  RecordFileOf file;
  if (name.ends_with(kTemporary)) {
    file.temporary = true;
    name.remove_suffix(kTemporary.size());
  }
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  TextView id = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  if (!takeNumber(id, file.session.process) || id.empty() || id.front() != u'-') {
    return std::nullopt;
  }
  id.remove_prefix(1);
  if (!takeNumber(id, file.session.started) || !id.empty()) return std::nullopt;
  // Written back, the name must be this very name: no leading zeros, nothing out of range.
  if (recordFileName(file.session) != name) return std::nullopt;
  return file;
}

Text CopyRecords::folder() const {
  const Text local = platform_.localDataFolder();
  return local.empty() ? Text() : local + u"\\Tamrill";
}

std::vector<SessionRecord> CopyRecords::others() const {
  std::vector<SessionRecord> records;
  const Text where = folder();
  if (where.empty()) return records;
  const SessionId own = platform_.thisSession();
  for (const Text& name : platform_.filesIn(where)) {
    const auto file = recordFileOf(name);
    if (!file || file->session == own) continue;
    SessionRecord record{file->session, where + u"\\" + name, {}};
    if (!file->temporary) {
      // A record that cannot be read names nothing that may be deleted.
      const auto readable = platform_.openForReading(record.path);
      if (!readable || readable->size() > kLargestRecord) continue;
      std::string bytes(static_cast<std::size_t>(readable->size()), '\0');
      if (!readable->read(0, bytes.data(), bytes.size())) continue;
      auto copies = parseRecord(bytes);
      if (copies) record.copies = std::move(*copies);
    }
    records.push_back(std::move(record));
  }
  return records;
}

bool CopyRecords::writeOwn(const std::vector<RecordedCopy>& copies) const {
  const Text where = folder();
  if (where.empty()) return false;
  const Text path = where + u"\\" + recordFileName(platform_.thisSession());
  if (copies.empty()) {
    const SysError error = platform_.deleteFile(path);
    return error == SysError::None || error == SysError::NotFound;
  }
  // The folder is made when it is first needed: a user who never assembles outside the
  // program's folder never gets one.
  if (platform_.createFolder(where) != SysError::None) return false;
  return platform_.writeFileDurably(path, formatRecord(copies)) == SysError::None;
}

void CopyRecords::rewrite(const SessionRecord& record) const {
  if (record.copies.empty()) {
    static_cast<void>(platform_.deleteFile(record.path));
  } else {
    static_cast<void>(platform_.writeFileDurably(record.path, formatRecord(record.copies)));
  }
}

}  // namespace tamrill
