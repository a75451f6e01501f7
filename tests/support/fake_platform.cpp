#include "support/fake_platform.h"

#include "ui/form.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tamrill::test {

namespace {

class MemoryFile final : public ReadableFile {
 public:
  MemoryFile(std::shared_ptr<const std::string> content, std::function<bool()> readFails)
      : content_(std::move(content)), readFails_(std::move(readFails)) {}
  std::uint64_t size() const override { return content_->size(); }
  bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
    if (readFails_()) return false;
    if (offset > content_->size() || count > content_->size() - offset) return false;
    std::memcpy(buffer, content_->data() + offset, count);
    return true;
  }

 private:
  std::shared_ptr<const std::string> content_;
  std::function<bool()> readFails_;
};

bool isAbsolute(TextView path) {
  return (path.size() >= 2 && path[1] == u':') || path.starts_with(u"\\\\");
}

TextView withoutTrailingBackslashes(TextView path) {
  while (path.size() > 3 && path.back() == u'\\') path.remove_suffix(1);
  return path;
}

Text parentOf(TextView path) {
  const auto at = path.rfind(u'\\');
  return at == TextView::npos ? Text() : Text(path.substr(0, at));
}

constexpr std::uint64_t kMillisecond = 10'000;

Text lowered(TextView path) {
  return toLower(path);
}

bool startsWithFolder(TextView lowerPath, TextView lowerRoot) {
  return lowerPath.starts_with(lowerRoot) &&
         (lowerPath.size() == lowerRoot.size() || lowerPath[lowerRoot.size()] == u'\\');
}

}  // namespace

struct FakePlatform::Disk {
  std::vector<Entry> entries;
  std::uint64_t nextIndex = 1;
  std::uint64_t clock = kStartClock;
  std::uint64_t timeResolution = 1;
  std::vector<Text> unreachableRoots;  // lower case
  std::vector<SessionId> running;
  std::uint32_t nextProcess = 100;
  int locksHeld = 0;
  std::vector<Text> busyPrograms;  // lower case: programs running, which cannot be deleted

  SessionId newSession() {
    const SessionId session{nextProcess++, clock};
    running.push_back(session);
    return session;
  }
};

FakePlatform::FakePlatform()
    : disk_(std::make_shared<Disk>()),
      clock(disk_->clock),
      timeResolution(disk_->timeResolution),
      session(disk_->newSession()) {}

FakePlatform::FakePlatform(FakePlatform& sameDisk)
    : disk_(sameDisk.disk_),
      clock(disk_->clock),
      timeResolution(disk_->timeResolution),
      session(disk_->newSession()) {}

FakePlatform::~FakePlatform() = default;

std::vector<FakePlatform::Entry>& FakePlatform::entries() {
  return disk_->entries;
}
const std::vector<FakePlatform::Entry>& FakePlatform::entries() const {
  return disk_->entries;
}

void FakePlatform::setReachable(const Text& root, bool reachable) {
  const Text key = lowered(root);
  std::erase(disk_->unreachableRoots, key);
  if (!reachable) disk_->unreachableRoots.push_back(key);
}

SysError FakePlatform::unreachable(TextView path) const {
  if (disk_->unreachableRoots.empty()) return SysError::None;
  const Text key = lowered(isAbsolute(path) ? Text(path) : absolute(Text(path)));
  for (const Text& root : disk_->unreachableRoots) {
    if (startsWithFolder(key, root)) return SysError::Unreachable;
  }
  return SysError::None;
}

void FakePlatform::endSession() {
  std::erase(disk_->running, session);
}

void FakePlatform::startNewSession() {
  endSession();
  session = disk_->newSession();
}

void FakePlatform::endProgram() {
  ended = true;
  endSession();
}

bool FakePlatform::sessionRunning(const SessionId& other) {
  return std::ranges::find(disk_->running, other) != disk_->running.end();
}

namespace {
class FakeLock final : public HeldLock {
 public:
  explicit FakeLock(int& held) : held_(held) { ++held_; }
  ~FakeLock() override { --held_; }
  FakeLock(const FakeLock&) = delete;
  FakeLock& operator=(const FakeLock&) = delete;

 private:
  int& held_;
};
}  // namespace

std::unique_ptr<HeldLock> FakePlatform::lockCopies() {
  if (injected(Call::Lock, {}) != SysError::None) return nullptr;
  // One thread per program and a lock that one program may take again: two windows meet in it
  // only one after another, as the property test plays them.
  return std::make_unique<FakeLock>(disk_->locksHeld);
}

SysError FakePlatform::createFolder(const Text& path) {
  if (const SysError error = injected(Call::Record, path); error != SysError::None) return error;
  if (const SysError error = unreachable(path); error != SysError::None) return error;
  const Entry* entry = find(path);
  if (entry != nullptr) return entry->folder ? SysError::None : SysError::AlreadyExists;
  addFolder(path);
  return SysError::None;
}

std::vector<Text> FakePlatform::filesIn(const Text& folder) {
  std::vector<Text> names;
  if (unreachable(folder) != SysError::None) return names;
  const Text key = lowered(absolute(folder));
  for (const Entry& entry : entries()) {
    if (entry.folder || !equalIgnoringCase(parentOf(entry.path), key)) continue;
    names.push_back(entry.path.substr(entry.path.rfind(u'\\') + 1));
  }
  return names;
}

SysError FakePlatform::writeFileDurably(const Text& path, const std::string& bytes) {
  if (const SysError error = injected(Call::Record, path); error != SysError::None) return error;
  if (const SysError error = unreachable(path); error != SysError::None) return error;
  if (!folderExists(parentOf(absolute(path)))) return SysError::NotFound;
  const Entry* entry = find(path);
  if (entry != nullptr && entry->folder) return SysError::AccessDenied;
  addFile(path, bytes);
  return SysError::None;
}

Text FakePlatform::absolute(const Text& path) const {
  return isAbsolute(path) ? path : currentFolder + u"\\" + path;
}

const FakePlatform::Entry* FakePlatform::find(TextView path) const {
  if (!isAbsolute(path)) return find(absolute(Text(path)));
  path = withoutTrailingBackslashes(path);
  for (const Entry& entry : entries()) {
    if (equalIgnoringCase(withoutTrailingBackslashes(entry.path), path)) return &entry;
  }
  return nullptr;
}

FakePlatform::Entry* FakePlatform::find(TextView path) {
  return const_cast<Entry*>(std::as_const(*this).find(path));
}

bool FakePlatform::folderExists(TextView path) const {
  if (withoutTrailingBackslashes(path).size() <= 3) return true;  // a drive's root
  const Entry* entry = find(path);
  return entry != nullptr && entry->folder;
}

void FakePlatform::erase(const Entry* entry) {
  // The order of the list means nothing: the last entry fills the gap.
  auto& slot = entries()[static_cast<std::size_t>(entry - entries().data())];
  if (&slot != &entries().back()) slot = std::move(entries().back());
  entries().pop_back();
}

std::uint64_t FakePlatform::stampNow() {
  const std::uint64_t stamp = clock - clock % timeResolution;
  clock += kMillisecond;
  return stamp;
}

FakePlatform::Entry& FakePlatform::newEntry(const Text& path) {
  entries().push_back(Entry{});
  Entry& entry = entries().back();
  entry.path = absolute(path);
  entry.index = disk_->nextIndex++;
  return entry;
}

void FakePlatform::addFolder(const Text& path) {
  if (withoutTrailingBackslashes(path).size() <= 3 || find(path) != nullptr) return;
  addFolder(parentOf(absolute(path)));
  newEntry(path).folder = true;
}

void FakePlatform::addFile(const Text& path, std::string content, bool hidden) {
  Entry* entry = find(path);
  if (entry == nullptr) {
    addFolder(parentOf(absolute(path)));
    entry = &newEntry(path);
  }
  entry->folder = false;
  entry->hidden = hidden;
  entry->content = std::make_shared<const std::string>(std::move(content));
  entry->lastWrite = stampNow();
}

void FakePlatform::setReadOnly(const Text& path, bool readOnly) {
  if (Entry* entry = find(path)) entry->readOnly = readOnly;
}

void FakePlatform::removeFile(const Text& path) {
  if (const Entry* entry = find(path)) erase(entry);
}

bool FakePlatform::hasFile(const Text& path) const {
  const Entry* entry = find(path);
  return entry != nullptr && !entry->folder;
}

std::string FakePlatform::contentOf(const Text& path) const {
  const Entry* entry = find(path);
  return entry != nullptr && entry->content ? *entry->content : std::string();
}

std::vector<Text> FakePlatform::allFiles() const {
  std::vector<Text> files;
  for (const Entry& entry : entries()) {
    if (!entry.folder) files.push_back(entry.path);
  }
  return files;
}

void FakePlatform::clearAll() {
  entries().clear();
  failures_.clear();
  clock = kStartClock;
  disk_->unreachableRoots.clear();
  disk_->running.clear();
  disk_->busyPrograms.clear();
  disk_->running.push_back(session);
}

void FakePlatform::failNext(Call call, SysError error, int count, Text pathPart) {
  failures_.push_back(Failure{call, error, count, toLower(pathPart)});
}

SysError FakePlatform::injected(Call call, const Text& path) {
  if (failures_.empty()) return SysError::None;
  for (auto& failure : failures_) {
    if (failure.call != call || failure.count <= 0) continue;
    if (!failure.pathPart.empty() && toLower(path).find(failure.pathPart) == Text::npos) continue;
    --failure.count;
    return failure.error;
  }
  return SysError::None;
}

MessageAnswer FakePlatform::showMessage(const Text& text, const Text& title, MessageIcon icon,
                                        MessageButtons buttons) {
  if (disk_->locksHeld > 0) boxUnderLock = true;
  messages.push_back(Message{text, title, icon, buttons});
  if (onMessage) onMessage(messages.back());
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (yesNoAnswers.empty()) return MessageAnswer::No;
  const MessageAnswer answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

std::optional<ChosenFile> FakePlatform::chooseFileToOpen(const Text& filter) {
  filterRequests.push_back(filter);
  if (dialogAnswers.empty()) return std::nullopt;
  auto answer = dialogAnswers.front();
  dialogAnswers.pop_front();
  return answer;
}

bool FakePlatform::showForm(ui::Form& form) {
  if (injected(Call::ShowForm, {}) != SysError::None) return false;
  if (std::find(openForms.begin(), openForms.end(), &form) == openForms.end()) {
    form.prepareNewWindow();
    openForms.push_back(&form);
  }
  shownForms.push_back(&form);
  return true;
}

void FakePlatform::closeWindow(ui::Form& form) {
  std::erase(openForms, &form);
}

bool FakePlatform::fileExists(const Text& path) {
  if (injected(Call::Exists, path) != SysError::None) return false;
  if (unreachable(path) != SysError::None) return false;
  if (path.find_first_of(u"*?") != Text::npos) return false;
  const Entry* entry = find(path);
  return entry != nullptr && !entry->folder && !entry->hidden;
}

SysError FakePlatform::copyFile(const Text& from, const Text& to) {
  if (const SysError error = injected(Call::Copy, to); error != SysError::None) return error;
  if (const SysError error = unreachable(to); error != SysError::None) return error;
  const Entry* source = find(from);
  if (source == nullptr || source->folder) return SysError::NotFound;
  if (find(to) != nullptr) return SysError::AlreadyExists;
  if (!folderExists(parentOf(absolute(to)))) return SysError::NotFound;
  // The content is shared: files are only ever rewritten whole. The copy keeps the original's
  // last-write time, as CopyFile does, and is never read-only.
  std::shared_ptr<const std::string> content = source->content;
  const std::uint64_t lastWrite = source->lastWrite;
  Entry& copy = newEntry(to);
  copy.content = std::move(content);
  copy.lastWrite = lastWrite;
  clock += kMillisecond;
  copies.emplace_back(from, to);
  return SysError::None;
}

SysError FakePlatform::deleteFile(const Text& path) {
  if (const SysError error = injected(Call::Delete, path); error != SysError::None) return error;
  if (const SysError error = unreachable(path); error != SysError::None) return error;
  const Entry* entry = find(path);
  if (entry == nullptr || entry->folder) return SysError::NotFound;
  if (entry->readOnly) return SysError::AccessDenied;
  if (std::ranges::find(disk_->busyPrograms, lowered(entry->path)) != disk_->busyPrograms.end()) {
    return SysError::InUse;  // a program that runs cannot be deleted
  }
  erase(entry);
  if (!startsWithFolder(lowered(absolute(path)), lowered(localDataFolderValue))) {
    deletions.push_back(path);
  }
  return SysError::None;
}

std::unique_ptr<ReadableFile> FakePlatform::openForReading(const Text& path) {
  if (injected(Call::Open, path) != SysError::None) return nullptr;
  const Entry* entry = find(path);
  if (entry == nullptr || entry->folder) return nullptr;
  return std::make_unique<MemoryFile>(
      entry->content, [this, path] { return injected(Call::Read, path) != SysError::None; });
}

StampResult FakePlatform::fileStamp(const Text& path) {
  if (const SysError error = injected(Call::Stamp, path); error != SysError::None) {
    return {error, {}};
  }
  if (const SysError error = unreachable(path); error != SysError::None) return {error, {}};
  const Entry* entry = find(path);
  if (entry == nullptr || entry->folder) return {SysError::NotFound, {}};
  const std::uint64_t volume = toLower(entry->path[0]);
  return {SysError::None,
          FileStamp{volume, entry->index, entry->content->size(), entry->lastWrite}};
}

SysError FakePlatform::start(const Text& commandLine, const Text& currentFolder, bool waited,
                             const Text& program) {
  const SysError error = injected(waited ? Call::RunAndWait : Call::Start, commandLine);
  if (error != SysError::None) return error;
  starts.push_back(Start{commandLine, currentFolder, waited, program});
  // The program file of a run waited for is busy until it ends: a quoted path, or the command
  // line up to its first blank.
  Text file = commandLine;
  if (file.starts_with(u'"')) {
    file = file.substr(1, file.find(u'"', 1) - 1);
  } else {
    file = file.substr(0, file.find(u' '));
  }
  const Text busy = lowered(absolute(file));
  if (waited) disk_->busyPrograms.push_back(busy);
  if (onStart) onStart(starts.back());
  if (waited) {
    const auto at = std::ranges::find(disk_->busyPrograms, busy);
    if (at != disk_->busyPrograms.end()) disk_->busyPrograms.erase(at);
  }
  return SysError::None;
}

SysError FakePlatform::startProgram(const Text& commandLine, const Text& currentFolder,
                                    const Text& programPath) {
  return start(commandLine, currentFolder, false, programPath);
}

SysError FakePlatform::runAndWait(const Text& commandLine, const Text& currentFolder) {
  return start(commandLine, currentFolder, true, {});
}

SysError FakePlatform::openWebAddress(const Text& address) {
  if (const SysError error = injected(Call::Web, address); error != SysError::None) return error;
  webAddresses.push_back(address);
  return SysError::None;
}

}  // namespace tamrill::test
