#pragma once
// An in-memory platform for driving the core in tests: a file system of Windows-style paths
// (letter case ignored, as on Windows), scripted answers for message boxes and the file-open
// dialog, a record of every message, start, copy, deletion and web address, and failure
// injection for every call. Files sit in one flat list, looked up without allocating: the
// no-lost-files property test plays a hundred thousand sequences on it under the sanitizers.
// Two of them can share one disk, as two Tamrill processes of one user do: each is a session
// of its own, with its own boxes and starts.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/form_host.h"

namespace tamrill::test {

class FakePlatform : public Platform, public ui::FormHost {
 private:
  struct Disk;
  std::shared_ptr<Disk> disk_;

 public:
  // A new disk, and a session running on it.
  FakePlatform();
  // A second program on the same disk, with a session of its own.
  explicit FakePlatform(FakePlatform& sameDisk);
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;
  ~FakePlatform() override;

  // --- The file system ---
  // Adds a file, or rewrites one in place (it keeps its identity); its folders come into
  // being with it. Its last-write time is the clock's, in the drive's time steps.
  void addFile(const Text& path, std::string content = {}, bool hidden = false);
  // A read-only file cannot be deleted. Copies never are read-only, as on the real platform.
  void setReadOnly(const Text& path, bool readOnly);
  void addFolder(const Text& path);
  // As a user or another program would: not recorded as the program's deletion.
  void removeFile(const Text& path);
  bool hasFile(const Text& path) const;  // any file, hidden ones included
  std::string contentOf(const Text& path) const;
  // Every file, in its original letter case.
  std::vector<Text> allFiles() const;
  // Calls visit(path, content) for every file, without copying anything.
  template <class Visit>
  void forEachFile(Visit visit) const {
    for (const Entry& entry : entries()) {
      if (!entry.folder) visit(entry.path, *entry.content);
    }
  }
  // An empty disk, no failures pending, no other session and the clock back at its start.
  void clearAll();
  // A drive or share (given as "D:" or "\\\\server\\share") that is gone: every call on a path
  // in it fails as on Windows, and nothing of it exists, until it comes back.
  void setReachable(const Text& root, bool reachable);
  // Relative paths are taken against this folder, the process's current folder, which is also
  // the folder the program started in.
  Text currentFolder = u"C:\\Users\\student";
  // The clock, in file-time steps; every write moves it on by a millisecond.
  static constexpr std::uint64_t kStartClock = 133'000'000'000'000'000ULL;
  std::uint64_t& clock;
  // The step of last-write times: 1 as on NTFS, 20'000'000 (2 s) as on a FAT drive.
  std::uint64_t& timeResolution;

  // --- Sessions ---
  // This program's session ends (as by "End task": nothing more of it runs) and, when it is
  // started again, it is a new session.
  void endSession();
  void startNewSession();
  SessionId session;
  // Where the record of copies lives; empty: the system names no such folder.
  Text localDataFolderValue = u"C:\\Users\\student\\AppData\\Local";
  // Whether a box was ever shown while the copies' lock was held (which would stall every
  // other Tamrill until the user answers).
  bool boxUnderLock = false;

  // --- Scripted answers ---
  std::deque<MessageAnswer> yesNoAnswers;               // taken in turn; No when none is left
  std::deque<std::optional<ChosenFile>> dialogAnswers;  // taken in turn; cancelled when none
  Text programFolderValue = u"C:\\Tamrill";
  Text systemFolderValue = u"C:\\windows\\system32";
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
    Text program;  // the program file, when the caller named it
  };
  std::vector<Message> messages;
  std::vector<Start> starts;
  std::vector<std::pair<Text, Text>> copies;  // from, to
  std::vector<Text> deletions;                // by the program, but for its records of copies
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
  enum class Call {
    Exists,
    Copy,
    Delete,
    Open,
    Read,
    Start,
    RunAndWait,
    Web,
    Stamp,
    ShowForm,
    Record,  // making the records' folder, or writing a record
    Lock,    // the copies' lock, which another window holds too long
  };
  // The next count calls of that kind (whose path contains pathPart, when given) fail with error.
  void failNext(Call call, SysError error, int count = 1, Text pathPart = {});
  void clearFailures() { failures_.clear(); }

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
  StampResult fileStamp(const Text& path) override;
  std::uint64_t fileTimeNow() override { return clock; }
  SysError startProgram(const Text& commandLine, const Text& currentFolder,
                        const Text& programPath) override;
  SysError runAndWait(const Text& commandLine, const Text& currentFolder) override;
  SysError openWebAddress(const Text& address) override;
  Text programFolder() override { return programFolderValue; }
  Text commandLine() override { return commandLineValue; }
  Text startFolder() override { return currentFolder; }
  Text systemFolder() override { return systemFolderValue; }
  void endProgram() override;
  Text localDataFolder() override { return localDataFolderValue; }
  SysError createFolder(const Text& path) override;
  std::vector<Text> filesIn(const Text& folder) override;
  SysError writeFileDurably(const Text& path, const std::string& bytes) override;
  SessionId thisSession() override { return session; }
  bool sessionRunning(const SessionId& session) override;
  std::unique_ptr<HeldLock> lockCopies() override;

 private:
  struct Entry {
    Text path;  // absolute, in its original letter case
    std::shared_ptr<const std::string> content;
    bool folder = false;
    bool hidden = false;
    bool readOnly = false;
    std::uint64_t index = 0;
    std::uint64_t lastWrite = 0;
  };
  struct Failure {
    Call call;
    SysError error;
    int count;
    Text pathPart;
  };

  Text absolute(const Text& path) const;
  Entry* find(TextView path);
  const Entry* find(TextView path) const;
  bool folderExists(TextView path) const;
  void erase(const Entry* entry);
  Entry& newEntry(const Text& path);
  std::uint64_t stampNow();
  SysError injected(Call call, const Text& path);
  SysError start(const Text& commandLine, const Text& currentFolder, bool waited,
                 const Text& program);

  // Unreachable when the path lies on a drive or share that is gone.
  SysError unreachable(TextView path) const;
  std::vector<Entry>& entries();
  const std::vector<Entry>& entries() const;

  std::vector<Failure> failures_;
};

}  // namespace tamrill::test
