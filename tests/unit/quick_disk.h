#pragma once
// A lean in-memory platform for the property test, which plays a hundred thousand sequences
// under the sanitizers: a handful of files in a flat list, compared without letter case and
// without allocating. It answers as FakePlatform does for what the property test uses
// (absolute paths, no hidden files, no failures), and the test replays a sample of its
// sequences on FakePlatform to show that the two agree.

#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/fake_platform.h"

namespace tamrill::test {

class QuickDisk final : public Platform {
 public:
  using Message = FakePlatform::Message;
  using Start = FakePlatform::Start;

  void addFile(const Text& path, std::string content) {
    if (File* file = find(path)) {
      file->content = std::move(content);
      return;
    }
    files_.push_back(File{path, std::move(content)});
  }
  void removeFile(const Text& path) {
    if (File* file = find(path)) {
      *file = std::move(files_.back());
      files_.pop_back();
    }
  }
  bool hasFile(const Text& path) const { return find(path) != nullptr; }
  std::string contentOf(const Text& path) const {
    const File* file = find(path);
    return file != nullptr ? file->content : std::string();
  }
  // Calls visit(path, content) for every file.
  template <class Visit>
  void forEachFile(Visit visit) const {
    for (const File& file : files_) visit(file.path, file.content);
  }
  void clear() { files_.clear(); }

  std::deque<std::optional<ChosenFile>> dialogAnswers;
  std::vector<Message> messages;
  std::vector<Start> starts;
  std::vector<std::pair<Text, Text>> copies;
  std::vector<Text> deletions;
  std::function<void(const Start&)> onStart;
  bool ended = false;

  MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                            MessageButtons buttons) override {
    messages.push_back(Message{text, title, icon, buttons});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
  std::optional<ChosenFile> chooseFileToOpen(const Text&) override {
    if (dialogAnswers.empty()) return std::nullopt;
    auto answer = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    return answer;
  }
  bool showForm(ui::Form&) override { return true; }
  bool fileExists(const Text& path) override {
    return path.find_first_of(u"*?") == Text::npos && find(path) != nullptr;
  }
  SysError copyFile(const Text& from, const Text& to) override {
    const File* source = find(from);
    if (source == nullptr) return SysError::NotFound;
    if (find(to) != nullptr) return SysError::AlreadyExists;
    files_.push_back(File{to, source->content});
    copies.emplace_back(from, to);
    return SysError::None;
  }
  SysError deleteFile(const Text& path) override {
    if (find(path) == nullptr) return SysError::NotFound;
    removeFile(path);
    deletions.push_back(path);
    return SysError::None;
  }
  std::unique_ptr<ReadableFile> openForReading(const Text& path) override {
    const File* file = find(path);
    return file != nullptr ? std::make_unique<Contents>(file->content) : nullptr;
  }
  SysError startProgram(const Text& commandLine, const Text& folder) override {
    return start(commandLine, folder, false);
  }
  SysError runAndWait(const Text& commandLine, const Text& folder) override {
    return start(commandLine, folder, true);
  }
  SysError openWebAddress(const Text&) override { return SysError::None; }
  Text programFolder() override { return u"C:\\Tamrill"; }
  Text commandLine() override { return {}; }
  void endProgram() override { ended = true; }

 private:
  struct File {
    Text path;
    std::string content;
  };

  class Contents final : public ReadableFile {
   public:
    explicit Contents(std::string bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
      if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
      std::memcpy(buffer, bytes_.data() + offset, count);
      return true;
    }

   private:
    std::string bytes_;
  };

  static bool samePath(TextView a, TextView b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i] != b[i] && toLower(a[i]) != toLower(b[i])) return false;
    }
    return true;
  }
  const File* find(TextView path) const {
    for (const File& file : files_) {
      if (samePath(file.path, path)) return &file;
    }
    return nullptr;
  }
  File* find(TextView path) {
    return const_cast<File*>(static_cast<const QuickDisk*>(this)->find(path));
  }
  SysError start(const Text& commandLine, const Text& folder, bool waited) {
    starts.push_back(Start{commandLine, folder, waited});
    if (onStart) onStart(starts.back());
    return SysError::None;
  }

  std::vector<File> files_;
};

}  // namespace tamrill::test
