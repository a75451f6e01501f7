#pragma once
// The services the portable core needs from its platform. The core only ever calls them; the
// Win32 layer implements them (src/win32/) and the tests use an in-memory fake
// (tests/support/fake_platform.h). Every call that can fail returns its failure: the core
// decides what the user sees.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/sys_error.h"
#include "base/text.h"

namespace tamrill {

enum class MessageIcon : std::uint8_t { Error, Warning, Information };
enum class MessageButtons : std::uint8_t { Ok, YesNo };  // Yes/No boxes have Yes as the default
enum class MessageAnswer : std::uint8_t { Ok, Yes, No };

// What tells one file from another, and one version of it from the next: the volume and the
// file's index on it survive a rename but not a delete and re-create; size and last-write time
// change when it is rewritten. Times are in 100-nanosecond steps since 1601, as Windows keeps
// them (FAT drives keep them in 2-second steps only).
struct FileStamp {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;
  bool operator==(const FileStamp&) const = default;
};

struct StampResult {
  SysError error = SysError::None;  // NotFound when there is no file at that path
  FileStamp stamp;
};

// Which running Tamrill: its process, and when that process began, so that a process id the
// system has since given to another program is not taken for it.
struct SessionId {
  std::uint32_t process = 0;
  std::uint64_t started = 0;  // in the steps of file times
  bool operator==(const SessionId&) const = default;
};

// Held from its making to its end; while one Tamrill holds it, no other one gets it.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

struct ChosenFile {
  Text path;   // the full path as the dialog returned it
  Text title;  // the file's name without its folder, as the dialog reports it
};

// A file opened for reading with full sharing, so that a listing the assembler is still
// writing can be read. Reads go by offset, so that a scan need not read what it does not use.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  virtual std::uint64_t size() const = 0;
  // Fills buffer with the count bytes at offset; false when the file cannot give them all.
  virtual bool read(std::uint64_t offset, char* buffer, std::size_t count) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // --- Windows and dialogs ---
  // A task-modal message box; returns when the user has closed it.
  virtual MessageAnswer showMessage(const Text& text, const Text& title, MessageIcon icon,
                                    MessageButtons buttons) = 0;
  // The modal file-open dialog with a filter written "Description|pattern"; nullopt when the
  // user cancels or closes it.
  virtual std::optional<ChosenFile> chooseFileToOpen(const Text& filter) = 0;

  // --- File system ---
  // True only for a normal file at exactly this path: no wildcards, and folders, hidden and
  // system files count as missing.
  virtual bool fileExists(const Text& path) = 0;
  // Copies a file to a path that must not exist yet: an existing file is never replaced. The
  // copy is never read-only, whatever the original is, so that the program can delete it again.
  virtual SysError copyFile(const Text& from, const Text& to) = 0;
  virtual SysError deleteFile(const Text& path) = 0;
  // Opens a file for reading with full sharing; null when it cannot be opened.
  virtual std::unique_ptr<ReadableFile> openForReading(const Text& path) = 0;
  // The identity, size and last-write time of the file at path, hidden ones included.
  virtual StampResult fileStamp(const Text& path) = 0;
  // The system clock, in the steps and from the start that file times use.
  virtual std::uint64_t fileTimeNow() = 0;

  // --- The record of copies: the program's one folder of its own ---
  // The user's local application data folder, without a trailing backslash; empty when the
  // system does not say.
  virtual Text localDataFolder() = 0;
  // Makes a folder, and the folders above it that are missing; one there already is no failure.
  virtual SysError createFolder(const Text& path) = 0;
  // The names of the files in a folder, hidden ones included; none when it cannot be listed.
  virtual std::vector<Text> filesIn(const Text& folder) = 0;
  // Writes a file whole, replacing any, through a temporary file of the same name followed by
  // ".tmp" in the same folder: when the call returns the bytes are on the disk, and whatever
  // happens meanwhile (a crash, a power cut) leaves the old file or the new one, never a part.
  virtual SysError writeFileDurably(const Text& path, const std::string& bytes) = 0;
  // This program's own session, the same for the whole run.
  virtual SessionId thisSession() = 0;
  // False once that Tamrill has ended, however it ended; true when it cannot be told.
  virtual bool sessionRunning(const SessionId& session) = 0;
  // The lock every Tamrill of this user holds while it decides about copies and their records,
  // never while it waits for the user. Null when it could not be had within a few seconds.
  virtual std::unique_ptr<HeldLock> lockCopies() = 0;

  // --- Other programs ---
  // Starts a command line in a normal, focused window and does not wait for it. An empty
  // folder leaves the child in this program's current folder. A program path, when given, is
  // the file that runs, and nothing is searched for; the command line is then only what the
  // child is handed.
  virtual SysError startProgram(const Text& commandLine, const Text& currentFolder,
                                const Text& programPath) = 0;
  // Starts a command line and returns when the process has ended. Meanwhile the windows keep
  // painting and answering the system, but no user input, timer tick or handler is taken.
  virtual SysError runAndWait(const Text& commandLine, const Text& currentFolder) = 0;
  // Hands a web address to the shell's default action.
  virtual SysError openWebAddress(const Text& address) = 0;

  // --- This program ---
  // The folder of the program's executable, without a trailing backslash.
  virtual Text programFolder() = 0;
  // The arguments as Windows passes them: the command line less the program's own name.
  virtual Text commandLine() = 0;
  // The current folder the program was started in, without a trailing backslash (a drive's
  // root keeps its own); it is read once at start-up and never changes.
  virtual Text startFolder() = 0;
  // The system folder (System32), where the system's own programs live.
  virtual Text systemFolder() = 0;
  // Ends the program at once: every window closes and no further handler runs.
  virtual void endProgram() = 0;
};

}  // namespace tamrill
