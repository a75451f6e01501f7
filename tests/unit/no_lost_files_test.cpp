// The rule above all others: the program never deletes or overwrites a file that it did not
// copy itself, and ending it removes every copy it made, or says which stayed, or leaves it
// recorded for the next start. Checked over many random, reproducible sequences of two Tamrill
// windows of one user on one disk (opens, assemblies, ticks, closes, "Konec", "End task", the
// session ending while an assembler runs, one window acting while the other's assembler runs),
// the user's own file changes (a copy deleted, or replaced by a file of the user's), a stick
// pulled out and failing system calls; a sequence that breaks the rule is shortened before it
// is printed.
//
// TAMRILL_PROPERTY_SEQUENCES and TAMRILL_PROPERTY_SEED override the count and the first seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using test::AssemblerOutput;
using test::FakePlatform;

// splitmix64: the same sequence on every platform and standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

// The program's own folder in three spellings, two plain folders and two that may hold the
// user's own tools.
constexpr std::array<const char16_t*, 7> kFolders{
    u"C:\\Tamrill\\",     u"c:\\tamrill\\", u"C:\\TAMRILL\\", u"C:\\work\\",
    u"C:\\Mé projekty\\", u"D:\\own\\",     u"D:\\own2\\"};
constexpr int kFirstUserFolder = 3;  // the ones before are the program's own folder
constexpr int kFirstToolFolder = 5;

// A source, the same one in capitals, a name too long, one too short and one that is not there.
constexpr std::array<const char16_t*, 5> kSourceNames{u"blink.asm", u"BLINK.ASM",
                                                      u"dlouhejmeno.asm", u"x.a", u"gone.asm"};
constexpr int kLastPresentSource = 3;  // the names up to x.a are on disk; gone.asm never is

constexpr std::array<std::array<const char16_t*, 3>, 3> kToolSpellings{{
    {u"asm51.exe", u"ASM51.EXE", u"Asm51.Exe"},
    {u"mod51", u"MOD51", u"Mod51"},
    {u"mod52", u"MOD52", u"mOD52"},
}};

struct Action {
  enum class Kind {
    Open,
    Assemble,
    Tick,
    Close,
    Konec,
    EndTask,  // ended by force: no clean-up runs
    UserAdds,
    UserRemoves,
    Fails,
    DriveGoes,  // the D: stick is pulled out, or put back
  };
  Kind kind = Kind::Tick;
  int window = 0;           // which of the two Tamrill windows
  bool sameFolder = false;  // open: in the folder of the other window's source, if it has one
  // Played while the other window's assembler runs, when it comes right after that window's
  // "Přeložit" (and that window is not itself waiting).
  bool during = false;
  int folder = 0;
  int item = 0;     // source name, tool, failing call, or for "Přeložit" 1: the session ends
  int variant = 0;  // assembler output, spelling, or error
};

// The calls whose failure can break a clean-up, and how they fail.
constexpr std::array<FakePlatform::Call, 7> kFailingCalls{
    FakePlatform::Call::Copy,   FakePlatform::Call::Delete,     FakePlatform::Call::Stamp,
    FakePlatform::Call::Exists, FakePlatform::Call::RunAndWait, FakePlatform::Call::Record,
    FakePlatform::Call::Lock};
constexpr std::array<const char*, 7> kFailingCallNames{"copy", "delete", "stamp", "exists",
                                                       "run",  "record", "lock"};
constexpr std::array<SysError, 2> kErrors{SysError::AccessDenied, SysError::InUse};

std::string describe(const Action& a) {
  std::string who = (a.during ? "  meanwhile, window " : "window ") + std::to_string(a.window + 1);
  switch (a.kind) {
    case Action::Kind::Open:
      return who + ": open " + (a.sameFolder ? "(in the other window's folder, if any) " : "") +
             toUtf8(Text(kFolders[a.folder]) + kSourceNames[a.item]);
    case Action::Kind::Assemble: {
      static constexpr std::array<const char*, 4> outputs{"writes nothing", "no errors", "3 errors",
                                                          "no summary"};
      return who + ": assemble (the assembler " + outputs[a.variant] + ")" +
             (a.item == 1 ? ", and the Windows session ends while it runs" : "");
    }
    case Action::Kind::Tick:
      return who + (a.variant % 2 == 0 ? ": tick" : ": two ticks");
    case Action::Kind::Close:
      return who + ": close the window";
    case Action::Kind::Konec:
      return who + ": Konec";
    case Action::Kind::EndTask:
      return who + ": End task";
    case Action::Kind::UserAdds:
      return "user adds " + toUtf8(Text(kFolders[a.folder]) + kToolSpellings[a.item][a.variant]);
    case Action::Kind::UserRemoves:
      return "user removes " + toUtf8(Text(kFolders[a.folder]) + kToolSpellings[a.item][0]);
    case Action::Kind::Fails:
      return who + ": the next " + kFailingCallNames[a.item] + " fails";
    case Action::Kind::DriveGoes:
      return "the D: stick is pulled out, or put back";
  }
  return {};
}

struct World {
  // The user's own tools in the two tool folders, by spelling (-1: none).
  std::array<std::array<int, 3>, 2> ownTools{};
};

std::string describe(const World& world) {
  std::string text = "user's own tools:";
  for (int f = 0; f < 2; ++f) {
    for (int t = 0; t < 3; ++t) {
      const int spelling = world.ownTools[f][t];
      if (spelling < 0) continue;
      text += " " + toUtf8(Text(kFolders[kFirstToolFolder + f]) + kToolSpellings[t][spelling]);
    }
  }
  return text;
}

World randomWorld(Random& random) {
  World world;
  for (auto& folder : world.ownTools) {
    for (int& spelling : folder) spelling = random.below(2) == 0 ? -1 : random.below(3);
  }
  return world;
}

std::vector<Action> randomActions(Random& random) {
  std::vector<Action> actions(static_cast<std::size_t>(1 + random.below(10)));
  for (Action& a : actions) {
    const int roll = random.below(100);
    a.folder = random.below(static_cast<int>(kFolders.size()));
    a.variant = random.below(4);
    // The second window acts in a third of the sequences' steps; half of what it does then
    // happens while the first one's assembler runs.
    a.window = random.below(3) == 0 ? 1 : 0;
    a.during = random.below(2) == 0;
    if (roll < 28) {
      a.kind = Action::Kind::Open;
      a.item = random.below(static_cast<int>(kSourceNames.size()));
      a.sameFolder = random.below(2) == 0;
    } else if (roll < 52) {
      a.kind = Action::Kind::Assemble;
      a.item = random.below(12) == 0 ? 1 : 0;
    } else if (roll < 75) {
      a.kind = Action::Kind::Tick;
    } else if (roll < 79) {
      a.kind = Action::Kind::Close;
    } else if (roll < 81) {
      a.kind = Action::Kind::Konec;
    } else if (roll < 84) {
      a.kind = Action::Kind::EndTask;
    } else if (roll < 88) {
      a.kind = Action::Kind::Fails;
      a.item = random.below(static_cast<int>(kFailingCalls.size()));
      a.variant = random.below(static_cast<int>(kErrors.size()));
    } else if (roll < 90) {
      a.kind = Action::Kind::DriveGoes;
    } else {
      a.kind = roll < 95 ? Action::Kind::UserAdds : Action::Kind::UserRemoves;
      a.folder =
          kFirstUserFolder + random.below(static_cast<int>(kFolders.size()) - kFirstUserFolder);
      a.item = random.below(3);
      a.variant = random.below(3);
    }
  }
  return actions;
}

// The program in its folder, a source there, and an old listing of the user's.
const std::map<Text, std::string>& baseFiles() {
  static const std::map<Text, std::string> files{
      {u"C:\\Tamrill\\asm51.exe", test::kAssemblerContent},
      {u"C:\\Tamrill\\mod51", test::kMod51Content},
      {u"C:\\Tamrill\\mod52", test::kMod52Content},
      {u"C:\\Tamrill\\blink.asm", "END"},
      {u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::ThreeErrors)},
  };
  return files;
}

constexpr int kWindows = 2;

// A disk and two program objects on it that serve sequence after sequence: building the
// programs afresh costs more than a whole sequence under the sanitizers. reset() brings all
// back to the base files and programs that were never started; a sample of sequences is
// replayed on fresh ones to show that nothing carries over.
struct Bench {
  Bench() : second(disk), apps{{{disk, disk}, {second, second}}} {}

  void reset() {
    disk.clearAll();
    for (const auto& [path, content] : baseFiles()) disk.addFile(path, content);
    for (int w = 0; w < kWindows; ++w) {
      FakePlatform& fake = platform(w);
      fake.clearFailures();
      fake.messages.clear();
      fake.starts.clear();
      fake.copies.clear();
      fake.deletions.clear();
      fake.dialogAnswers.clear();
      fake.boxUnderLock = false;
      restartProgram(w);
    }
  }

  // As if the process ended and the program was started again on the same disk.
  void restartProgram(int w) {
    FakePlatform& fake = platform(w);
    fake.ended = false;
    fake.startNewSession();
    Application& app = apps[static_cast<std::size_t>(w)];
    app.state = ProgramState{};
    Form1& form = app.form1;
    form.resetControls();
    form.setCaption(Text(form.design().caption));
    form.pairedSourcePath.clear();
    form.pairedSourceFileName.clear();
  }

  FakePlatform& platform(int w) { return w == 0 ? disk : second; }
  Application& app(int w) { return apps[static_cast<std::size_t>(w)]; }

  FakePlatform disk;
  FakePlatform second;
  std::array<Application, kWindows> apps;
};

// Plays one sequence and returns the first breach of the rule.
class Trial {
 public:
  Trial(Bench& bench, const World& world) : bench_(bench), disk_(bench.disk) {
    bench_.reset();
    for (const auto& [path, content] : baseFiles()) userFiles_[toLower(path)] = content;
    for (int f = 0; f < 2; ++f) {
      for (int t = 0; t < 3; ++t) {
        const int spelling = world.ownTools[f][t];
        if (spelling < 0) continue;
        addUserFile(Text(kFolders[kFirstToolFolder + f]) + kToolSpellings[t][spelling],
                    "own " + std::to_string(t));
      }
    }
    for (int w = 0; w < kWindows; ++w) {
      bench_.platform(w).onStart = [this, w](const FakePlatform::Start& start) {
        playAssembler(w, start);
      };
    }
  }
  ~Trial() {
    for (int w = 0; w < kWindows; ++w) bench_.platform(w).onStart = nullptr;
  }
  Trial(const Trial&) = delete;
  Trial& operator=(const Trial&) = delete;

  std::optional<std::string> play(const std::vector<Action>& actions) {
    actions_ = &actions;
    while (next_ < actions.size()) {
      if (auto breach = step(actions[next_++])) return breach;
    }
    for (int w = 0; w < kWindows; ++w) {
      if (!running_[w]) continue;
      bench_.app(w).form1.deliver(nullptr, ui::Event::Unload);
      if (auto breach = check()) return breach;
      if (auto breach = afterClose(w)) return breach;
    }
    if (auto breach = userFilesIntact()) return breach;
    return afterEveryEnd();
  }

  // Everything the programs did, for comparing two plays of the same sequence.
  std::string transcript() const {
    Text text;
    for (int w = 0; w < kWindows; ++w) {
      const FakePlatform& fake = bench_.platform(w);
      text += u"window " + Text(1, static_cast<char16_t>(u'1' + w)) + u"\n";
      for (const auto& m : fake.messages) text += m.title + u": " + m.text + u"\n";
      for (const auto& s : fake.starts)
        text += u"start " + s.commandLine + u" in " + s.folder + u"\n";
      for (const auto& c : fake.copies) text += u"copy " + c.second + u"\n";
      for (const auto& d : fake.deletions) text += u"delete " + d + u"\n";
    }
    return toUtf8(text);
  }

 private:
  std::optional<std::string> step(const Action& a) {
    switch (a.kind) {
      case Action::Kind::UserAdds: {
        const Text path = Text(kFolders[a.folder]) + kToolSpellings[a.item][a.variant];
        if (userFiles_.contains(toLower(path)) || !reachable(path)) return std::nullopt;
        // Over one of the program's copies: the user deleted it and saved their own.
        if (disk_.hasFile(path)) {
          programCopies_.erase(toLower(path));
          disk_.removeFile(path);
        }
        addUserFile(path, "added");
        return std::nullopt;
      }
      case Action::Kind::UserRemoves: {
        const Text path = Text(kFolders[a.folder]) + kToolSpellings[a.item][0];
        if (!disk_.hasFile(path) || !reachable(path)) return std::nullopt;
        programCopies_.erase(toLower(path));
        userFiles_.erase(toLower(path));
        disk_.removeFile(path);
        return std::nullopt;
      }
      case Action::Kind::Fails:
        failed_ = true;
        if (kFailingCalls[a.item] == FakePlatform::Call::Record) recordFailed_ = true;
        bench_.platform(a.window).failNext(kFailingCalls[a.item], kErrors[a.variant]);
        return std::nullopt;
      case Action::Kind::DriveGoes:
        failed_ = true;
        driveGone_ = !driveGone_;
        disk_.setReachable(u"D:", !driveGone_);
        return std::nullopt;
      case Action::Kind::EndTask:
        if (running_[a.window]) {
          running_[a.window] = false;
          bench_.platform(a.window).endSession();
        }
        return std::nullopt;
      default:
        break;
    }

    const int w = a.window;
    Form1& form = running(w);
    FakePlatform& fake = bench_.platform(w);
    switch (a.kind) {
      case Action::Kind::Open: {
        // Sources come into being when first opened: a smaller disk makes a faster sequence.
        const Text& otherSource = bench_.app(1 - w).state.sourcePath;
        const Text folder = a.sameFolder && running_[1 - w] && !otherSource.empty()
                                ? otherSource.substr(0, otherSource.rfind(u'\\') + 1)
                                : Text(kFolders[a.folder]);
        const Text path = folder + kSourceNames[a.item];
        if (a.item <= kLastPresentSource && !disk_.hasFile(path) && reachable(path)) {
          addUserFile(path, "END");
        }
        fake.dialogAnswers.push_back(ChosenFile{path, kSourceNames[a.item]});
        form.deliver(&form.command1, ui::Event::Click);
        break;
      }
      case Action::Kind::Assemble:
        // Clicks reach even a disabled button: the rule must hold in whatever state the
        // handlers find the program.
        output_[w] = static_cast<AssemblerOutput>(a.variant);
        sessionEndsInRun_[w] = a.item == 1;
        form.deliver(&form.command3, ui::Event::Click);
        // The session ended while the assembler ran: nothing more of this program runs.
        if (fake.ended) running_[w] = false;
        break;
      case Action::Kind::Tick:
        form.deliver(&form.timer1, ui::Event::Timer);
        if (a.variant % 2 == 1) form.deliver(&form.timer1, ui::Event::Timer);
        break;
      case Action::Kind::Close:
        form.deliver(nullptr, ui::Event::Unload);
        break;
      case Action::Kind::Konec:
        form.deliver(&form.command6, ui::Event::Click);
        break;
      default:
        break;
    }
    if (nestedBreach_) return nestedBreach_;
    if (auto breach = check()) return breach;
    if (a.kind == Action::Kind::Close || a.kind == Action::Kind::Konec) return afterClose(w);
    return std::nullopt;
  }

  Form1& running(int w) {
    if (!running_[w]) {
      running_[w] = true;
      runCopies_[w].clear();
      bench_.restartProgram(w);
      bench_.app(w).form1.deliver(nullptr, ui::Event::Load);
    }
    return bench_.app(w).form1;
  }

  bool reachable(const Text& path) const { return !(driveGone_ && path.starts_with(u"D:")); }

  std::optional<std::string> check() {
    for (int w = 0; w < kWindows; ++w) {
      const FakePlatform& fake = bench_.platform(w);
      for (; copiesSeen_[w] < fake.copies.size(); ++copiesSeen_[w]) {
        const Text key = toLower(fake.copies[copiesSeen_[w]].second);
        ++programCopies_[key];
        runCopies_[w].insert(key);
      }
    }
    // Within one action a copy may be removed and made again; counting keeps the order moot.
    for (int w = 0; w < kWindows; ++w) {
      const FakePlatform& fake = bench_.platform(w);
      for (; deletionsSeen_[w] < fake.deletions.size(); ++deletionsSeen_[w]) {
        const Text& path = fake.deletions[deletionsSeen_[w]];
        const auto it = programCopies_.find(toLower(path));
        if (it == programCopies_.end()) {
          return "deleted " + toUtf8(path) + ", which the program did not copy";
        }
        if (--it->second == 0) programCopies_.erase(it);
      }
      for (; messagesSeen_[w] < fake.messages.size(); ++messagesSeen_[w]) {
        const auto& m = fake.messages[messagesSeen_[w]];
        // Unless a call was made to fail, an error box means a copy met a file in its way.
        if (m.title == u"Chyba" && !failed_) return "error box: " + toUtf8(m.text);
        if (m.title == u"Chyba") told_ += toLower(m.text);
      }
      if (fake.boxUnderLock) return "a box was shown while the copies' lock was held";
    }
    // A window whose record could not be written leaves the other one blind to its copies.
    if (assemblerMissedTools_ && !recordFailed_) {
      return "a staged assembler ran without its tools beside it";
    }
    return std::nullopt;
  }

  // The final state of the disk: every file of the user's there, with its content.
  std::optional<std::string> userFilesIntact() const {
    std::size_t found = 0;
    std::optional<std::string> breach;
    disk_.forEachFile([&](const Text& path, const std::string& content) {
      const auto it = userFiles_.find(toLower(path));
      if (it == userFiles_.end()) return;
      ++found;
      if (content != it->second && !breach) breach = "the user's " + toUtf8(path) + " was changed";
    });
    if (breach) return breach;
    if (found == userFiles_.size()) return std::nullopt;
    for (const auto& [key, content] : userFiles_) {
      if (!disk_.hasFile(key)) return "the user's " + toUtf8(key) + " is gone";
    }
    return std::nullopt;
  }

  // Every copy of this window's run is gone, or the last box names it as left behind, or the
  // other window, still running, uses it.
  std::optional<std::string> afterClose(int w) {
    if (!bench_.platform(w).ended) return "closing the window did not end the program";
    running_[w] = false;
    const FakePlatform& fake = bench_.platform(w);
    const Text told = fake.messages.empty() || fake.messages.back().title != u"Chyba"
                          ? Text()
                          : toLower(fake.messages.back().text);
    const int other = 1 - w;
    for (const Text& key : runCopies_[w]) {
      if (!programCopies_.contains(key) || !disk_.hasFile(key) || told.find(key) != Text::npos) {
        continue;
      }
      if (running_[other] && usedBy(other, key)) continue;
      return "the copy " + toUtf8(key) + " is left after the close, untold";
    }
    return std::nullopt;
  }

  bool usedBy(int w, const Text& key) const {
    const auto& copies = bench_.app(w).state.staged.copies;
    return std::ranges::any_of(copies, [&](const StagedCopy& c) { return toLower(c.path) == key; });
  }

  // Once every window has ended, however it ended, and a new one has been started and has
  // ticked once (with no failure pending and every drive back), no copy is left but one that
  // a box named as left behind.
  std::optional<std::string> afterEveryEnd() {
    for (int w = 0; w < kWindows; ++w) bench_.platform(w).clearFailures();
    disk_.setReachable(u"D:", true);
    Form1& form = running(0);
    form.deliver(&form.timer1, ui::Event::Timer);
    form.deliver(nullptr, ui::Event::Unload);
    running_[0] = false;
    if (auto breach = check()) return breach;
    if (recordFailed_) return std::nullopt;
    for (const auto& [key, count] : programCopies_) {
      if (disk_.hasFile(key) && told_.find(key) == Text::npos) {
        return "the copy " + toUtf8(key) + " is left after every Tamrill ended and one started";
      }
    }
    return std::nullopt;
  }

  void playAssembler(int w, const FakePlatform::Start& start) {
    if (start.commandLine.starts_with(u"notepad ")) return;
    const auto allTools = [&] {
      return disk_.hasFile(start.folder + u"asm51.exe") && disk_.hasFile(start.folder + u"mod51") &&
             disk_.hasFile(start.folder + u"mod52");
    };
    bool sawTools = allTools();
    // The copies made for this run are counted before anyone touches them.
    if (!nestedBreach_) nestedBreach_ = check();
    // What the other window and the user do while this assembler runs. Only the user may take
    // a tool away meanwhile.
    waiting_[w] = true;
    bool userActed = false;
    while (!nestedBreach_ && next_ < actions_->size()) {
      const Action& a = (*actions_)[next_];
      if (!a.during || a.window == w || waiting_[a.window]) break;
      ++next_;
      userActed = userActed || a.kind == Action::Kind::UserAdds ||
                  a.kind == Action::Kind::UserRemoves || a.kind == Action::Kind::DriveGoes;
      nestedBreach_ = step(a);
    }
    waiting_[w] = false;
    sawTools = sawTools && (userActed || allTools());
    if (start.waited && !sawTools) assemblerMissedTools_ = true;
    if (sessionEndsInRun_[w]) bench_.app(w).form1.sessionEnding();
    if (output_[w] == AssemblerOutput::Nothing) return;
    const Text base = start.folder + start.commandLine.substr(start.commandLine.rfind(u' ') + 1);
    if (!reachable(base)) return;
    // The listing and the HEX file are the assembler's to write, over the user's old ones too.
    for (const Text& path : {base + u".lst", base + u".hex"}) {
      userFiles_.erase(toLower(path));
      disk_.addFile(path, test::listingWith(output_[w]));
    }
  }

  void addUserFile(const Text& path, const std::string& content) {
    disk_.addFile(path, content);
    userFiles_[toLower(path)] = content;
  }

  Bench& bench_;
  FakePlatform& disk_;
  const std::vector<Action>* actions_ = nullptr;
  std::size_t next_ = 0;
  std::optional<std::string> nestedBreach_;
  std::array<bool, kWindows> running_{};
  std::array<bool, kWindows> waiting_{};  // in RunAndWait: takes no event
  std::array<AssemblerOutput, kWindows> output_{AssemblerOutput::NoErrors,
                                                AssemblerOutput::NoErrors};
  std::array<bool, kWindows> sessionEndsInRun_{};
  std::map<Text, std::string> userFiles_;  // by lower-cased path: what must stay as it is
  std::map<Text, int> programCopies_;      // copies of the programs' still on disk, any run
  std::array<std::set<Text>, kWindows> runCopies_;  // copies made by each running program
  Text told_;                                       // every "Chyba" box's text, lower-cased
  bool failed_ = false;                             // a call was made to fail, or a drive went
  bool recordFailed_ = false;                       // a record could not be written
  bool driveGone_ = false;
  std::array<std::size_t, kWindows> copiesSeen_{};
  std::array<std::size_t, kWindows> deletionsSeen_{};
  std::array<std::size_t, kWindows> messagesSeen_{};
  bool assemblerMissedTools_ = false;
};

std::optional<std::string> play(Bench& bench, const World& world,
                                const std::vector<Action>& actions) {
  return Trial(bench, world).play(actions);
}

// Removes chunks, then single actions, for as long as the sequence still breaks the rule.
std::vector<Action> shorten(Bench& bench, const World& world, std::vector<Action> actions) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    bool removed = true;
    while (removed) {
      removed = false;
      for (std::size_t at = 0; at + chunk <= actions.size(); ++at) {
        std::vector<Action> shorter = actions;
        shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at),
                      shorter.begin() + static_cast<std::ptrdiff_t>(at + chunk));
        if (play(bench, world, shorter)) {
          actions = std::move(shorter);
          removed = true;
          break;
        }
      }
    }
  }
  return actions;
}

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// Four shards, so that the test runner can spread them over the processor's cores.
constexpr int kShards = 4;

class NoLostFilesTest : public ::testing::TestWithParam<int> {};

TEST_P(NoLostFilesTest, RandomSequencesNeverLoseAUsersFileAndLeaveNoCopyAfterAClose) {
  const std::uint64_t count = fromEnvironment("TAMRILL_PROPERTY_SEQUENCES", 100000);
  const std::uint64_t firstSeed = fromEnvironment("TAMRILL_PROPERTY_SEED", 20240601);
  Bench bench;
  for (std::uint64_t i = static_cast<std::uint64_t>(GetParam()); i < count; i += kShards) {
    const std::uint64_t seed = firstSeed + i;
    Random random(seed);
    const World world = randomWorld(random);
    const std::vector<Action> actions = randomActions(random);
    if (i % 500 == 0) {
      // The reused program and disk must behave as fresh ones: nothing carries over.
      Trial reused(bench, world);
      const auto reusedBreach = reused.play(actions);
      Bench freshBench;
      Trial fresh(freshBench, world);
      const auto freshBreach = fresh.play(actions);
      ASSERT_EQ(reused.transcript(), fresh.transcript()) << "seed " << seed;
      ASSERT_EQ(reusedBreach, freshBreach) << "seed " << seed;
    }
    if (!play(bench, world, actions)) continue;

    const std::vector<Action> shortest = shorten(bench, world, actions);
    std::string report = "seed " + std::to_string(seed) + ", " + describe(world) +
                         "\nshortened from " + std::to_string(actions.size()) + " actions:\n";
    for (const Action& a : shortest) report += "  " + describe(a) + "\n";
    report += "  (then each window still running is closed, and a new one started ticks once)\n";
    report += "then: " + play(bench, world, shortest).value_or("(passes when shortened)");
    FAIL() << report;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, NoLostFilesTest, ::testing::Range(0, kShards));

}  // namespace
}  // namespace tamrill
