// The timed clean-up two ticks after a staged run, the clean-up when the window closes, and
// "Konec", which leaves the copies.

#include <gtest/gtest.h>

#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using test::AssemblerOutput;

const std::vector<Text> kWorkCopies{u"C:\\work\\asm51.exe", u"C:\\work\\mod51",
                                    u"C:\\work\\mod52"};

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
  EXPECT_EQ(state().assembled, kFalse);
  EXPECT_EQ(state().cleanupTicks, 0);
  EXPECT_EQ(form().stagedAssembler, kTrue);
  EXPECT_EQ(form().stagedMod51, kTrue);
  EXPECT_EQ(form().stagedMod52, kTrue);
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
  EXPECT_EQ(state().assembled, kFalse);
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

TEST_F(CleanupTest, KonecLeavesTheCopies) {
  assemble();
  tick();
  konec();
  EXPECT_TRUE(fake.ended);
  EXPECT_TRUE(fake.deletions.empty());
  for (const Text& copy : kWorkCopies) EXPECT_TRUE(fake.hasFile(copy)) << toUtf8(copy);
}

}  // namespace
}  // namespace tamrill
