#pragma once
// An in-memory platform for driving the core in tests: a file system of Windows-style paths
// (letter case ignored, as on Windows), scripted answers for message boxes and the file-open
// dialog, a record of every message, start, copy, deletion and web address, and failure
// injection for every call.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tamrill::test {

class FakePlatform : public Platform {
 public:
  // --- The file system ---
  // Adds (or replaces) a file; its folders come into being with it.
  void addFile(const Text& path, std::string content = {}, bool hidden = false);
  void addFolder(const Text& path);
  // As a user or another program would: not recorded as the program's deletion.
  void removeFile(const Text& path);
  bool hasFile(const Text& path) const;  // any file, hidden ones included
  std::string contentOf(const Text& path) const;
  // Every file, in its original letter case.
  std::vector<Text> allFiles() const;
  // Relative paths are taken against this folder, as the process's current folder.
  Text currentFolder = u"C:\\Users\\student";

  // --- Scripted answers ---
  std::deque<MessageAnswer> yesNoAnswers;               // taken in turn; No when none is left
  std::deque<std::optional<ChosenFile>> dialogAnswers;  // taken in turn; cancelled when none
  Text programFolderValue = u"C:\\Tamrill";
  Text commandLineValue;

  // --- What happened ---
  struct Message {
    Text text;
    Text title;
    MessageIcon icon;
    MessageButtons buttons;
  };
  struct Start {
    Text commandLine;
    Text folder;
    bool waited;
  };
  std::vector<Message> messages;
  std::vector<Start> starts;
  std::vector<std::pair<Text, Text>> copies;  // from, to
  std::vector<Text> deletions;                // by the program
  std::vector<Text> webAddresses;
  std::vector<ui::Form*> shownForms;
  std::vector<ui::Form*> openForms;  // whose window is up
  std::vector<Text> filterRequests;  // the filters the file-open dialog was given
  bool ended = false;

  // --- Hooks ---
  // Runs when a message box is shown, as if the user acted while it was up.
  std::function<void(const Message&)> onMessage;
  // Plays the started program (an assembler writing its listing, say).
  std::function<void(const Start&)> onStart;

  // --- Failure injection ---
  enum class Call { Exists, Copy, Delete, Open, Read, Start, RunAndWait, Web, ShowForm };
  // The next count calls of that kind (whose path contains pathPart, when given) fail with error.
  void failNext(Call call, SysError error, int count = 1, Text pathPart = {});

  // --- Platform ---
  MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                            MessageButtons buttons) override;
  std::optional<ChosenFile> chooseFileToOpen(const Text& filter) override;
  bool showForm(ui::Form& form) override;
  // The user closes a window with its close box (a window other than the main one).
  void closeWindow(ui::Form& form);
  bool fileExists(const Text& path) override;
  SysError copyFile(const Text& from, const Text& to) override;
  SysError deleteFile(const Text& path) override;
  std::unique_ptr<ReadableFile> openForReading(const Text& path) override;
  SysError startProgram(const Text& commandLine, const Text& currentFolder) override;
  SysError runAndWait(const Text& commandLine, const Text& currentFolder) override;
  SysError openWebAddress(const Text& address) override;
  Text programFolder() override { return programFolderValue; }
  Text commandLine() override { return commandLineValue; }
  void endProgram() override { ended = true; }

 private:
  struct Entry {
    Text path;
    std::shared_ptr<std::string> content;
    bool folder = false;
    bool hidden = false;
  };
  struct Failure {
    Call call;
    SysError error;
    int count;
    Text pathPart;
  };

  Text key(const Text& path) const;
  const Entry* find(const Text& path) const;
  bool folderExists(const Text& path) const;
  SysError injected(Call call, const Text& path);
  SysError start(const Text& commandLine, const Text& currentFolder, bool waited);

  std::map<Text, Entry> entries_;
  std::vector<Failure> failures_;
};

}  // namespace tamrill::test
