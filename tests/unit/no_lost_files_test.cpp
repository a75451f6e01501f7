// The rule above all others: the program never deletes or overwrites a file that it did not
// copy itself, and ending it removes every copy it made, or says which stayed. Checked over many
// random, reproducible sequences of opens, assemblies, ticks, closes, "Konec", the user's own
// file changes (a copy deleted, or replaced by a file of the user's) and failing system calls; a
// sequence that breaks the rule is shortened before it is printed.
//
// TAMRILL_PROPERTY_SEQUENCES and TAMRILL_PROPERTY_SEED override the count and the first seed.

#include <gtest/gtest.h>

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
  enum class Kind { Open, Assemble, Tick, Close, Konec, UserAdds, UserRemoves, Fails };
  Kind kind = Kind::Tick;
  int folder = 0;
  int item = 0;     // source name, tool, or failing call
  int variant = 0;  // assembler output, spelling, or error
};

// The calls whose failure can break a clean-up, and how they fail.
constexpr std::array<FakePlatform::Call, 5> kFailingCalls{
    FakePlatform::Call::Copy, FakePlatform::Call::Delete, FakePlatform::Call::Stamp,
    FakePlatform::Call::Exists, FakePlatform::Call::RunAndWait};
constexpr std::array<const char*, 5> kFailingCallNames{"copy", "delete", "stamp", "exists", "run"};
constexpr std::array<SysError, 2> kErrors{SysError::AccessDenied, SysError::InUse};

std::string describe(const Action& a) {
  switch (a.kind) {
    case Action::Kind::Open:
      return "open " + toUtf8(Text(kFolders[a.folder]) + kSourceNames[a.item]);
    case Action::Kind::Assemble: {
      static constexpr std::array<const char*, 4> outputs{"writes nothing", "no errors", "3 errors",
                                                          "no summary"};
      return std::string("assemble (the assembler ") + outputs[a.variant] + ")";
    }
    case Action::Kind::Tick:
      return "tick";
    case Action::Kind::Close:
      return "close the window";
    case Action::Kind::Konec:
      return "Konec";
    case Action::Kind::UserAdds:
      return "user adds " + toUtf8(Text(kFolders[a.folder]) + kToolSpellings[a.item][a.variant]);
    case Action::Kind::UserRemoves:
      return "user removes " + toUtf8(Text(kFolders[a.folder]) + kToolSpellings[a.item][0]);
    case Action::Kind::Fails:
      return std::string("the next ") + kFailingCallNames[a.item] + " fails";
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
  std::vector<Action> actions(static_cast<std::size_t>(1 + random.below(8)));
  for (Action& a : actions) {
    const int roll = random.below(100);
    a.folder = random.below(static_cast<int>(kFolders.size()));
    a.variant = random.below(4);
    if (roll < 30) {
      a.kind = Action::Kind::Open;
      a.item = random.below(static_cast<int>(kSourceNames.size()));
    } else if (roll < 55) {
      a.kind = Action::Kind::Assemble;
    } else if (roll < 80) {
      a.kind = Action::Kind::Tick;
    } else if (roll < 85) {
      a.kind = Action::Kind::Close;
    } else if (roll < 88) {
      a.kind = Action::Kind::Konec;
    } else if (roll < 92) {
      a.kind = Action::Kind::Fails;
      a.item = random.below(static_cast<int>(kFailingCalls.size()));
      a.variant = random.below(static_cast<int>(kErrors.size()));
    } else {
      a.kind = roll < 96 ? Action::Kind::UserAdds : Action::Kind::UserRemoves;
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

// A disk and one program object that serve sequence after sequence: building the program
// afresh costs more than a whole sequence under the sanitizers. reset() brings both back to the
// base files and a program that was never started; a sample of sequences is replayed on fresh
// ones to show that nothing carries over.
struct Bench {
  Bench() : app(disk, disk) {}

  void reset() {
    disk.clearAll();
    for (const auto& [path, content] : baseFiles()) disk.addFile(path, content);
    disk.messages.clear();
    disk.starts.clear();
    disk.copies.clear();
    disk.deletions.clear();
    disk.dialogAnswers.clear();
    restartProgram();
  }

  // As if the process ended and the program was started again on the same disk.
  void restartProgram() {
    disk.ended = false;
    app.state = ProgramState{};
    Form1& form = app.form1;
    form.resetControls();
    form.setCaption(Text(form.design().caption));
    form.pairedSourcePath.clear();
    form.pairedSourceFileName.clear();
  }

  FakePlatform disk;
  Application app;
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
    disk_.onStart = [this](const FakePlatform::Start& start) { playAssembler(start); };
  }
  ~Trial() { disk_.onStart = nullptr; }
  Trial(const Trial&) = delete;
  Trial& operator=(const Trial&) = delete;

  std::optional<std::string> play(const std::vector<Action>& actions) {
    for (const Action& a : actions) {
      if (auto breach = step(a)) return breach;
    }
    if (running_) {
      bench_.app.form1.deliver(nullptr, ui::Event::Unload);
      if (auto breach = check()) return breach;
      if (auto breach = afterClose()) return breach;
    }
    return userFilesIntact();
  }

  // Everything the program did, for comparing two plays of the same sequence.
  std::string transcript() const {
    Text text;
    for (const auto& m : disk_.messages) text += m.title + u": " + m.text + u"\n";
    for (const auto& s : disk_.starts)
      text += u"start " + s.commandLine + u" in " + s.folder + u"\n";
    for (const auto& c : disk_.copies) text += u"copy " + c.second + u"\n";
    for (const auto& d : disk_.deletions) text += u"delete " + d + u"\n";
    return toUtf8(text);
  }

 private:
  std::optional<std::string> step(const Action& a) {
    switch (a.kind) {
      case Action::Kind::UserAdds: {
        const Text path = Text(kFolders[a.folder]) + kToolSpellings[a.item][a.variant];
        if (userFiles_.contains(toLower(path))) return std::nullopt;
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
        if (!disk_.hasFile(path)) return std::nullopt;
        programCopies_.erase(toLower(path));
        userFiles_.erase(toLower(path));
        disk_.removeFile(path);
        return std::nullopt;
      }
      case Action::Kind::Fails:
        failed_ = true;
        disk_.failNext(kFailingCalls[a.item], kErrors[a.variant]);
        return std::nullopt;
      default:
        break;
    }

    Form1& form = running();
    switch (a.kind) {
      case Action::Kind::Open: {
        // Sources come into being when first opened: a smaller disk makes a faster sequence.
        const Text path = Text(kFolders[a.folder]) + kSourceNames[a.item];
        if (a.item <= kLastPresentSource && !disk_.hasFile(path)) addUserFile(path, "END");
        disk_.dialogAnswers.push_back(ChosenFile{path, kSourceNames[a.item]});
        form.deliver(&form.command1, ui::Event::Click);
        break;
      }
      case Action::Kind::Assemble:
        // Clicks reach even a disabled button: the rule must hold in whatever state the
        // handlers find the program.
        output_ = static_cast<AssemblerOutput>(a.variant);
        form.deliver(&form.command3, ui::Event::Click);
        break;
      case Action::Kind::Tick:
        form.deliver(&form.timer1, ui::Event::Timer);
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
    if (auto breach = check()) return breach;
    if (a.kind == Action::Kind::Close || a.kind == Action::Kind::Konec) return afterClose();
    return std::nullopt;
  }

  Form1& running() {
    if (!running_) {
      running_ = true;
      runCopies_.clear();
      bench_.restartProgram();
      bench_.app.form1.deliver(nullptr, ui::Event::Load);
    }
    return bench_.app.form1;
  }

  std::optional<std::string> check() {
    for (; copiesSeen_ < disk_.copies.size(); ++copiesSeen_) {
      const Text key = toLower(disk_.copies[copiesSeen_].second);
      ++programCopies_[key];
      runCopies_.insert(key);
    }
    // Within one action a copy may be removed and made again; counting keeps the order moot.
    for (; deletionsSeen_ < disk_.deletions.size(); ++deletionsSeen_) {
      const Text& path = disk_.deletions[deletionsSeen_];
      const auto it = programCopies_.find(toLower(path));
      if (it == programCopies_.end()) {
        return "deleted " + toUtf8(path) + ", which the program did not copy";
      }
      if (--it->second == 0) programCopies_.erase(it);
    }
    for (; messagesSeen_ < disk_.messages.size(); ++messagesSeen_) {
      const auto& m = disk_.messages[messagesSeen_];
      // Unless a call was made to fail, an error box means a copy met a file in its way.
      if (m.title == u"Chyba" && !failed_) return "error box: " + toUtf8(m.text);
    }
    if (assemblerMissedTools_) return "a staged assembler ran without its tools beside it";
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

  // Every copy of this run is gone, or the last box names it as left behind.
  std::optional<std::string> afterClose() {
    if (!disk_.ended) return "closing the window did not end the program";
    running_ = false;
    const Text told = disk_.messages.empty() || disk_.messages.back().title != u"Chyba"
                          ? Text()
                          : toLower(disk_.messages.back().text);
    for (const Text& key : runCopies_) {
      if (programCopies_.contains(key) && disk_.hasFile(key) && told.find(key) == Text::npos) {
        return "the copy " + toUtf8(key) + " is left after the close, untold";
      }
    }
    return std::nullopt;
  }

  void playAssembler(const FakePlatform::Start& start) {
    if (start.commandLine.starts_with(u"notepad ")) return;
    if (start.waited &&
        !(disk_.hasFile(start.folder + u"asm51.exe") && disk_.hasFile(start.folder + u"mod51") &&
          disk_.hasFile(start.folder + u"mod52"))) {
      assemblerMissedTools_ = true;
    }
    if (output_ == AssemblerOutput::Nothing) return;
    const Text base = start.folder + start.commandLine.substr(start.commandLine.rfind(u' ') + 1);
    // The listing and the HEX file are the assembler's to write, over the user's old ones too.
    for (const Text& path : {base + u".lst", base + u".hex"}) {
      userFiles_.erase(toLower(path));
      disk_.addFile(path, test::listingWith(output_));
    }
  }

  void addUserFile(const Text& path, const std::string& content) {
    disk_.addFile(path, content);
    userFiles_[toLower(path)] = content;
  }

  Bench& bench_;
  FakePlatform& disk_;
  bool running_ = false;
  AssemblerOutput output_ = AssemblerOutput::NoErrors;
  std::map<Text, std::string> userFiles_;  // by lower-cased path: what must stay as it is
  std::map<Text, int> programCopies_;      // copies of the program's still on disk, any run
  std::set<Text> runCopies_;               // copies made by the running program
  bool failed_ = false;                    // a call was made to fail
  std::size_t copiesSeen_ = 0;
  std::size_t deletionsSeen_ = 0;
  std::size_t messagesSeen_ = 0;
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
    report += "  (the window is closed at the end when the program still runs)\n";
    report += "then: " + play(bench, world, shortest).value_or("(passes when shortened)");
    FAIL() << report;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, NoLostFilesTest, ::testing::Range(0, kShards));

}  // namespace
}  // namespace tamrill
