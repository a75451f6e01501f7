#include "support/fake_platform.h"

#include "ui/form.h"

#include <algorithm>
#include <cstring>

namespace tamrill::test {

namespace {

class MemoryFile final : public ReadableFile {
 public:
  MemoryFile(std::shared_ptr<std::string> content, std::function<bool()> readFails)
      : content_(std::move(content)), readFails_(std::move(readFails)) {}
  std::uint64_t size() const override { return content_->size(); }
  bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
    if (readFails_()) return false;
    if (offset > content_->size() || count > content_->size() - offset) return false;
    std::memcpy(buffer, content_->data() + offset, count);
    return true;
  }

 private:
  std::shared_ptr<std::string> content_;
  std::function<bool()> readFails_;
};

Text parentOf(const Text& path) {
  const auto at = path.rfind(u'\\');
  return at == Text::npos ? Text() : path.substr(0, at);
}

}  // namespace

Text FakePlatform::key(const Text& path) const {
  Text full = path;
  const bool absolute = (full.size() >= 2 && full[1] == u':') || full.starts_with(u"\\\\");
  if (!absolute) full = currentFolder + u"\\" + full;
  while (full.size() > 3 && full.back() == u'\\') full.pop_back();
  return toLower(full);
}

const FakePlatform::Entry* FakePlatform::find(const Text& path) const {
  const auto it = entries_.find(key(path));
  return it == entries_.end() ? nullptr : &it->second;
}

bool FakePlatform::folderExists(const Text& path) const {
  if (path.size() <= 3) return true;  // a drive's root
  const Entry* entry = find(path);
  return entry != nullptr && entry->folder;
}

void FakePlatform::addFolder(const Text& path) {
  if (path.size() <= 3) return;
  addFolder(parentOf(path));
  entries_[key(path)] = Entry{path, nullptr, true, false};
}

void FakePlatform::addFile(const Text& path, std::string content, bool hidden) {
  addFolder(parentOf(path));
  entries_[key(path)] =
      Entry{path, std::make_shared<std::string>(std::move(content)), false, hidden};
}

void FakePlatform::removeFile(const Text& path) { entries_.erase(key(path)); }

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
  for (const auto& [k, entry] : entries_) {
    if (!entry.folder) files.push_back(entry.path);
  }
  return files;
}

void FakePlatform::failNext(Call call, SysError error, int count, Text pathPart) {
  failures_.push_back(Failure{call, error, count, toLower(pathPart)});
}

SysError FakePlatform::injected(Call call, const Text& path) {
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
  if (path.find_first_of(u"*?") != Text::npos) return false;
  const Entry* entry = find(path);
  return entry != nullptr && !entry->folder && !entry->hidden;
}

SysError FakePlatform::copyFile(const Text& from, const Text& to) {
  if (const SysError error = injected(Call::Copy, to); error != SysError::None) return error;
  const Entry* source = find(from);
  if (source == nullptr || source->folder) return SysError::NotFound;
  if (find(to) != nullptr) return SysError::AlreadyExists;
  if (!folderExists(parentOf(key(to)))) return SysError::NotFound;
  entries_[key(to)] = Entry{to, std::make_shared<std::string>(*source->content), false, false};
  copies.emplace_back(from, to);
  return SysError::None;
}

SysError FakePlatform::deleteFile(const Text& path) {
  if (const SysError error = injected(Call::Delete, path); error != SysError::None) return error;
  const Entry* entry = find(path);
  if (entry == nullptr || entry->folder) return SysError::NotFound;
  entries_.erase(key(path));
  deletions.push_back(path);
  return SysError::None;
}

std::unique_ptr<ReadableFile> FakePlatform::openForReading(const Text& path) {
  if (injected(Call::Open, path) != SysError::None) return nullptr;
  const Entry* entry = find(path);
  if (entry == nullptr || entry->folder) return nullptr;
  return std::make_unique<MemoryFile>(entry->content, [this, path] {
    return injected(Call::Read, path) != SysError::None;
  });
}

SysError FakePlatform::start(const Text& commandLine, const Text& currentFolder, bool waited) {
  const SysError error = injected(waited ? Call::RunAndWait : Call::Start, commandLine);
  if (error != SysError::None) return error;
  starts.push_back(Start{commandLine, currentFolder, waited});
  if (onStart) onStart(starts.back());
  return SysError::None;
}

SysError FakePlatform::startProgram(const Text& commandLine, const Text& currentFolder) {
  return start(commandLine, currentFolder, false);
}

SysError FakePlatform::runAndWait(const Text& commandLine, const Text& currentFolder) {
  return start(commandLine, currentFolder, true);
}

SysError FakePlatform::openWebAddress(const Text& address) {
  if (const SysError error = injected(Call::Web, address); error != SysError::None) return error;
  webAddresses.push_back(address);
  return SysError::None;
}

}  // namespace tamrill::test
