// The timed clean-up two ticks after a staged run, the exit clean-up when the window closes or
// "Konec" ends the program, and the silent one when the Windows session ends; the record that
// lets a later start remove what an ended Tamrill left, and two windows in one folder.

#include <gtest/gtest.h>

#include "state/copy_record.h"
#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using test::AssemblerOutput;
using test::FakePlatform;

const std::vector<Text> kWorkCopies{u"C:\\work\\asm51.exe", u"C:\\work\\mod51", u"C:\\work\\mod52"};

class CleanupTest : public ::testing::Test, public test::AssemblyWorld {
 protected:
  void SetUp() override {
    load();
    fake.addFile(u"C:\\work\\blink.asm");
    open(u"C:\\work\\blink.asm");
  }
  bool anyWorkCopyLeft() const {
    for (const Text& copy : kWorkCopies) {
      if (fake.hasFile(copy)) return true;
    }
    return false;
  }
};

TEST_F(CleanupTest, TicksDoNothingUntilAStagedRun) {
  for (int i = 0; i < 5; ++i) tick();
  EXPECT_EQ(state().cleanupTicks, 0);
  EXPECT_TRUE(fake.deletions.empty());
}

TEST_F(CleanupTest, SecondTickDeletesTheCopiesAndDisarmsButKeepsTheFlags) {
  assemble();
  tick();
  EXPECT_TRUE(fake.deletions.empty());
  EXPECT_EQ(state().cleanupTicks, 1);
  tick();
  EXPECT_EQ(fake.deletions, kWorkCopies);
  EXPECT_FALSE(state().assembled);
  EXPECT_EQ(state().cleanupTicks, 0);
  EXPECT_TRUE(state().staged[Tool::Assembler].made);
  EXPECT_TRUE(state().staged[Tool::Mod51].made);
  EXPECT_TRUE(state().staged[Tool::Mod52].made);
  // The assembler's output stays.
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\blink.lst"));
  for (int i = 0; i < 4; ++i) tick();
  EXPECT_EQ(fake.deletions.size(), 3U);
  EXPECT_TRUE(form().command4.enabled());
  EXPECT_TRUE(form().command5.enabled());
}

TEST_F(CleanupTest, ButtonsFollowTheFilesOnDiskAfterAStagedRun) {
  output = AssemblerOutput::Nothing;
  assemble();
  EXPECT_TRUE(form().command4.enabled());
  EXPECT_TRUE(form().command5.enabled());
  tick();
  tick();
  EXPECT_FALSE(form().command4.enabled());
  EXPECT_FALSE(form().command5.enabled());

  output = AssemblerOutput::NoErrors;
  writeHex = false;
  assemble();
  tick();
  tick();
  EXPECT_TRUE(form().command4.enabled());
  EXPECT_FALSE(form().command5.enabled());
}

TEST_F(CleanupTest, CopyAlreadyGoneIsSkippedAndTheOthersAreDeleted) {
  assemble();
  fake.removeFile(u"C:\\work\\mod51");
  tick();
  tick();
  EXPECT_FALSE(anyWorkCopyLeft());
  EXPECT_FALSE(state().assembled);
  // The user's file put there later is never taken for the copy.
  fake.addFile(u"C:\\work\\mod51", "the user's own");
  close();
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod51"), "the user's own");
}

// The copies belong to the folder where they were made, whichever source is open when the
// clean-up comes.
TEST_F(CleanupTest, OpeningASourceInTheProgramsFolderLeavesItsToolsAlone) {
  assemble();
  fake.addFile(u"C:\\Tamrill\\prog.asm");
  open(u"C:\\Tamrill\\prog.asm");
  tick();
  tick();
  EXPECT_EQ(fake.deletions, kWorkCopies);
  EXPECT_EQ(fake.contentOf(u"C:\\Tamrill\\asm51.exe"), test::kAssemblerContent);
  EXPECT_EQ(fake.contentOf(u"C:\\Tamrill\\mod51"), test::kMod51Content);
  EXPECT_EQ(fake.contentOf(u"C:\\Tamrill\\mod52"), test::kMod52Content);
}

TEST_F(CleanupTest, ClosingWithinTwoTicksDeletesTheCopiesInTheirFolderAndEnds) {
  assemble();
  fake.addFile(u"D:\\own\\mod51", "the user's own");
  fake.addFile(u"D:\\own\\led.asm");
  open(u"D:\\own\\led.asm");
  tick();
  close();
  EXPECT_EQ(fake.deletions, kWorkCopies);
  EXPECT_EQ(fake.contentOf(u"D:\\own\\mod51"), "the user's own");
  EXPECT_TRUE(fake.ended);
}

TEST_F(CleanupTest, ClosingAfterTheTimedCleanUpDeletesNothing) {
  assemble();
  tick();
  tick();
  fake.deletions.clear();
  // The user brings a tool of the same name afterwards: it is theirs.
  fake.addFile(u"C:\\work\\MOD52", "the user's own");
  close();
  EXPECT_TRUE(fake.deletions.empty());
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\mod52"));
  EXPECT_TRUE(fake.ended);
}

TEST_F(CleanupTest, ClosingWithoutAStagedRunDeletesNothing) {
  close();
  EXPECT_TRUE(fake.deletions.empty());
  EXPECT_TRUE(fake.ended);
}

TEST_F(CleanupTest, KonecDeletesTheCopiesAsClosingDoes) {
  assemble();
  tick();
  konec();
  EXPECT_TRUE(fake.ended);
  EXPECT_EQ(fake.deletions, kWorkCopies);
}

// A copy is deleted only while it is still the file the program made: whatever the user put at
// its name meanwhile (a new file, or the copy rewritten) survives both clean-ups.
TEST_F(CleanupTest, FileTheUserPutAtACopysNameSurvivesBothCleanUps) {
  assemble();
  fake.removeFile(u"C:\\work\\mod51");
  fake.addFile(u"C:\\work\\MOD51", "the user's own");
  fake.addFile(u"C:\\work\\mod52", "rewritten in place");
  tick();
  tick();
  EXPECT_EQ(fake.deletions, std::vector<Text>{u"C:\\work\\asm51.exe"});
  EXPECT_FALSE(state().staged.pending());

  assemble();  // the user's files are used now; only the assembler is copied again
  fake.addFile(u"C:\\work\\asm51.exe", "the user's own assembler");
  close();
  EXPECT_EQ(fake.deletions.size(), 1U);
  EXPECT_EQ(fake.contentOf(u"C:\\work\\asm51.exe"), "the user's own assembler");
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod51"), "the user's own");
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod52"), "rewritten in place");
  EXPECT_TRUE(fake.messages.empty() || fake.messages.back().title != u"Chyba");
}

TEST_F(CleanupTest, CopiesAnExitCannotDeleteAreListedInOneBoxBeforeTheEnd) {
  assemble();
  fake.messages.clear();
  fake.failNext(FakePlatform::Call::Delete, SysError::InUse, 1, u"asm51");
  fake.setReadOnly(u"C:\\work\\mod52", true);  // the user's doing: the copy is still the same file
  fake.onMessage = [this](const FakePlatform::Message&) { EXPECT_FALSE(fake.ended); };
  konec();
  ASSERT_EQ(fake.messages.size(), 1U);
  const FakePlatform::Message& box = fake.messages[0];
  EXPECT_EQ(box.title, u"Chyba");
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_NE(box.text.find(u"C:\\work\\asm51.exe\nSoubor právě používá jiný program."), Text::npos);
  EXPECT_NE(box.text.find(u"C:\\work\\mod52\nPřístup byl odepřen"), Text::npos);
  EXPECT_EQ(box.text.find(u"mod51"), Text::npos);
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\mod51"));
  EXPECT_TRUE(fake.ended);
}

// The session ends while a handler waits in a message box: the copies go at once, with no box,
// and the program ends.
TEST_F(CleanupTest, EndOfTheSessionDeletesTheCopiesSilentlyEvenDuringABox) {
  output = AssemblerOutput::ThreeErrors;
  std::size_t boxes = 0;
  fake.onMessage = [&](const FakePlatform::Message&) {
    if (boxes++ == 0) form().sessionEnding();
  };
  assemble();
  EXPECT_EQ(boxes, 1U);
  EXPECT_EQ(fake.deletions, kWorkCopies);
  EXPECT_TRUE(fake.ended);
}

// --- The record of copies ---

const Text kRecords = u"C:\\Users\\student\\AppData\\Local\\Tamrill";

TEST(CopyRecord, ReadsBackWhatItWritesAndPassesOverWhatItCannotRead) {
  const std::vector<RecordedCopy> copies{
      {u"C:\\Mé projekty\\asm51.exe", FileStamp{1, 2, 3, 133'000'000'000'000'000ULL}},
      {u"\\\\server\\share\\mod51", FileStamp{5, 6, 7, 8}}};
  EXPECT_EQ(parseRecord(formatRecord(copies)), copies);
  EXPECT_EQ(parseRecord(formatRecord(copies) + "a torn line\r\n1 2 x 4 C:\\x\r\n1 2 3 4\r\n"),
            copies);
  EXPECT_FALSE(parseRecord("some other file\r\n1 2 3 4 C:\\work\\mod51\r\n"));
  EXPECT_FALSE(parseRecord(""));

  const SessionId session{4242, 133'000'000'000'000'123ULL};
  ASSERT_TRUE(recordFileOf(recordFileName(session)));
  EXPECT_EQ(recordFileOf(recordFileName(session))->session, session);
  EXPECT_TRUE(recordFileOf(recordFileName(session) + u".tmp")->temporary);
  for (const Text name : {u"copies-04242-1.txt", u"copies-99999999999-1.txt", u"copies--1.txt",
                          u"copies-1-2.txt.bak", u"desktop.ini"}) {
    EXPECT_FALSE(recordFileOf(name)) << toUtf8(name);
  }
}

// "End task", a crash, a power cut: the next start removes what the ended Tamrill recorded, at
// its first tick, all but a file the user put at a copy's name meanwhile.
TEST_F(CleanupTest, AStartAfterAForcedEndRemovesTheCopiesButNotTheUsersFile) {
  assemble();
  fake.endSession();
  fake.removeFile(u"C:\\work\\mod51");
  fake.addFile(u"C:\\work\\mod51", "the user's own");

  AssemblyWorld next(*this);
  next.load();
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\asm51.exe")) << "not at start-up itself";
  next.tick();
  EXPECT_EQ(next.fake.deletions, (std::vector<Text>{u"C:\\work\\asm51.exe", u"C:\\work\\mod52"}));
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod51"), "the user's own");
  EXPECT_TRUE(fake.filesIn(kRecords).empty());
  EXPECT_TRUE(next.fake.messages.empty());
}

// Two windows assembling in one folder, in either order: the second takes the first one's
// copies for copies, not for the user's files; neither clean-up deletes the tools from under
// the other's run; once both are done nothing is left.
TEST_F(CleanupTest, TwoWindowsInOneFolderNeverDeleteTheToolsFromUnderEachOther) {
  AssemblyWorld second(*this);
  second.load();
  fake.addFile(u"C:\\work\\led.asm");
  second.open(u"C:\\work\\led.asm");

  assemble();
  second.duringRun = [&] { tick(), tick(), tick(); };
  second.assemble();
  EXPECT_TRUE(second.sawAllTools);
  EXPECT_TRUE(second.fake.copies.empty());
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\mod51"));
  second.tick();
  second.tick();
  EXPECT_FALSE(anyWorkCopyLeft());

  second.duringRun = [&] {
    assemble();
    tick(), tick();
    close();
  };
  second.assemble();
  EXPECT_TRUE(sawAllTools);
  EXPECT_TRUE(second.sawAllTools);
  EXPECT_TRUE(fake.ended);
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\asm51.exe"));
  second.tick();
  second.tick();
  EXPECT_FALSE(anyWorkCopyLeft());
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\led.asm"));
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\blink.asm"));
  EXPECT_TRUE(fake.filesIn(kRecords).empty());
  EXPECT_FALSE(fake.boxUnderLock || second.fake.boxUnderLock);
}

}  // namespace
}  // namespace tamrill
