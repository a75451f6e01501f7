// Every platform call of the assemble command, the clean-ups and the command-line opening
// failing in turn: no crash, the user told, and no copy of the program's left untracked.

#include <gtest/gtest.h>

#include "base/failure_text.h"
#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using Call = test::FakePlatform::Call;

class FaultsTest : public ::testing::Test, public test::AssemblyWorld {
 protected:
  void SetUp() override {
    load();
    fake.addFile(u"C:\\work\\blink.asm");
    open(u"C:\\work\\blink.asm");
    fake.messages.clear();
  }
  const test::FakePlatform::Message& onlyMessage() {
    EXPECT_EQ(fake.messages.size(), 1U);
    static const test::FakePlatform::Message none{};
    return fake.messages.empty() ? none : fake.messages[0];
  }
  bool says(const test::FakePlatform::Message& m, TextView part) {
    return m.text.find(part) != Text::npos;
  }
};

TEST_F(FaultsTest, ExistenceTestOfTheAssemblerFailing) {
  fake.failNext(Call::Exists, SysError::AccessDenied, 1, u"Tamrill\\asm51.exe");
  assemble();
  EXPECT_EQ(fake.messages.at(0).text,
            u"Nenalezen soubor ASM51.EXE ve složce s tímto programem. Nelze přeložit soubor.");
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
}

TEST_F(FaultsTest, ExistenceTestOfTheSourceFailing) {
  fake.failNext(Call::Exists, SysError::Other, 1, u"blink.asm");
  assemble();
  EXPECT_EQ(onlyMessage().title, u"Varování");
  EXPECT_FALSE(form().command2.enabled());
  EXPECT_TRUE(fake.starts.empty());
}

// The user's own mod51 is there but the test misses it: the copy refuses to replace it, and
// the command stops before the assembler with the copy it made still recorded.
TEST_F(FaultsTest, ExistenceTestMissingTheUsersToolNeverReplacesIt) {
  fake.addFile(u"C:\\work\\mod51", "the user's own");
  fake.failNext(Call::Exists, SysError::Other, 1, u"work\\mod51");
  assemble();

  const auto& m = onlyMessage();
  EXPECT_EQ(m.title, u"Chyba");
  EXPECT_TRUE(says(m, u"\"mod51\"")) << toUtf8(m.text);
  EXPECT_TRUE(says(m, u"\"C:\\work\\\"")) << toUtf8(m.text);
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod51"), "the user's own");
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_TRUE(state().staged[Tool::Assembler].made);
  EXPECT_FALSE(state().staged[Tool::Mod51].made);
  EXPECT_TRUE(state().assembled);
  tick();
  tick();
  EXPECT_EQ(fake.deletions, std::vector<Text>{u"C:\\work\\asm51.exe"});
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod51"), "the user's own");
}

TEST_F(FaultsTest, CopyFailingStopsBeforeTheAssemblerAndTheEarlierCopiesGoLater) {
  const Text label = form().label1.caption();
  const bool command4 = form().command4.enabled();
  fake.failNext(Call::Copy, SysError::AccessDenied, 1, u"mod52");
  assemble();

  const auto& m = onlyMessage();
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_TRUE(says(m, u"\"mod52\"")) << toUtf8(m.text);
  EXPECT_TRUE(says(m, u"C:\\work\\")) << toUtf8(m.text);
  EXPECT_TRUE(says(m, u"odepřen")) << toUtf8(m.text);
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_TRUE(state().staged[Tool::Assembler].made);
  EXPECT_TRUE(state().staged[Tool::Mod51].made);
  EXPECT_FALSE(state().staged[Tool::Mod52].made);
  EXPECT_EQ(form().label1.caption(), label);
  EXPECT_EQ(form().command4.enabled(), command4);
  tick();
  tick();
  EXPECT_EQ(fake.deletions, (std::vector<Text>{u"C:\\work\\asm51.exe", u"C:\\work\\mod51"}));
}

TEST_F(FaultsTest, FirstCopyFailingLeavesNothingToCleanUp) {
  fake.failNext(Call::Copy, SysError::NotFound, 1);
  assemble();
  EXPECT_EQ(onlyMessage().title, u"Chyba");
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_FALSE(state().assembled);
  EXPECT_FALSE(state().staged[Tool::Assembler].made);
}

TEST_F(FaultsTest, DeletionFailingInTheTimedCleanUpIsRetriedAtClose) {
  assemble();
  fake.failNext(Call::Delete, SysError::InUse, 1, u"mod51");
  tick();
  tick();
  EXPECT_EQ(fake.deletions, (std::vector<Text>{u"C:\\work\\asm51.exe", u"C:\\work\\mod52"}));
  EXPECT_FALSE(state().assembled);
  EXPECT_EQ(state().cleanupTicks, 0);
  EXPECT_TRUE(fake.messages.empty());
  close();
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\mod51"));
  EXPECT_TRUE(fake.ended);
}

TEST_F(FaultsTest, DeletionFailingAtCloseStillEndsTheProgram) {
  assemble();
  fake.failNext(Call::Delete, SysError::AccessDenied, 1, u"asm51.exe");
  close();
  EXPECT_TRUE(fake.ended);
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\asm51.exe"));
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\mod51"));
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\mod52"));
}

TEST_F(FaultsTest, ExistenceTestFailingInTheCleanUpsHarmsNothing) {
  assemble();
  fake.failNext(Call::Exists, SysError::Other, 1, u"blink.lst");
  tick();
  tick();
  EXPECT_FALSE(form().command4.enabled());  // the listing looked missing
  EXPECT_EQ(fake.deletions.size(), 3U);

  assemble();
  fake.failNext(Call::Exists, SysError::Other, 1, u"work\\mod52");
  close();
  EXPECT_TRUE(fake.ended);
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\asm51.exe"));
}

// A copy held open by another program (an antivirus scan, a programmer tool) stays recorded and
// is tried again at every tick, silently; it stops nothing in another folder, and the end of the
// program names it only while it is still held.
TEST_F(FaultsTest, CopyThatCannotBeDeletedIsRetriedSilentlyAndBlocksNothingElse) {
  assemble();
  fake.messages.clear();
  fake.failNext(Call::Delete, SysError::InUse, 1000, u"work\\mod51");
  tick();
  tick();
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\mod51"));
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\mod52"));

  fake.addFile(u"D:\\x\\led.asm");
  open(u"D:\\x\\led.asm");
  assemble();
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(fake.starts.size(), 2U);
  EXPECT_EQ(state().staged.folder, u"D:\\x\\");
  for (int i = 0; i < 10; ++i) tick();
  EXPECT_FALSE(fake.hasFile(u"D:\\x\\mod51"));
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\mod51"));

  // The hold ends: a later tick deletes it, however long it was held.
  fake.clearFailures();
  for (int i = 0; i < 32 && fake.hasFile(u"C:\\work\\mod51"); ++i) tick();
  EXPECT_FALSE(fake.hasFile(u"C:\\work\\mod51"));
  EXPECT_FALSE(state().staged.pending());
  EXPECT_TRUE(fake.messages.empty());

  // Held at the end: the one box names it, and it stays recorded for the next start.
  assemble();
  fake.failNext(Call::Delete, SysError::InUse, 1, u"x\\mod52");
  close();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_TRUE(says(fake.messages[0], u"D:\\x\\mod52\nSoubor právě používá jiný program."));
  EXPECT_FALSE(fake.boxUnderLock);
}

TEST_F(FaultsTest, StartFailingInTheProgramsFolderIsReportedAndNothingIsScanned) {
  fake.addFile(u"C:\\Tamrill\\prog.asm");
  open(u"C:\\Tamrill\\prog.asm");
  fake.messages.clear();
  fake.failNext(Call::RunAndWait, SysError::NotFound, 1, u"asm51");
  assemble();

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_TRUE(says(fake.messages[0], u"ASM51.EXE"));
  EXPECT_TRUE(form().command4.enabled());
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
}

TEST_F(FaultsTest, AssemblerThisWindowsCannotRunIsNamedAsSuch) {
  fake.failNext(Call::RunAndWait, SysError::BadExeFormat);
  assemble();
  ASSERT_GE(fake.messages.size(), 1U);
  EXPECT_TRUE(says(fake.messages[0], u"ASM51.EXE"));
  EXPECT_TRUE(says(fake.messages[0], u"16bitový")) << toUtf8(fake.messages[0].text);
  EXPECT_TRUE(state().assembled);
  EXPECT_TRUE(form().command5.enabled());
  tick();
  tick();
  EXPECT_EQ(fake.deletions.size(), 3U);
  EXPECT_FALSE(form().command5.enabled());
}

TEST_F(FaultsTest, RunFailingOtherwiseDoesNotMentionSixteenBits) {
  fake.failNext(Call::RunAndWait, SysError::Other);
  assemble();
  ASSERT_GE(fake.messages.size(), 1U);
  EXPECT_TRUE(says(fake.messages[0], u"ASM51.EXE"));
  EXPECT_FALSE(says(fake.messages[0], u"16bitový"));
}

TEST_F(FaultsTest, ListingThatCannotBeReadEndsTheCommandQuietly) {
  for (const Call call : {Call::Open, Call::Read}) {
    fake.messages.clear();
    fake.failNext(call, SysError::InUse, 1, u"blink.lst");
    assemble();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(form().label1.caption(), u"klikni zde...");
    EXPECT_TRUE(state().assembled);
    EXPECT_TRUE(form().command4.enabled());
  }
}

class CommandLineFaultsTest : public ::testing::Test, public test::AssemblyWorld {};

TEST_F(CommandLineFaultsTest, PairedSourceTestFailingStillShowsTheFile) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.failNext(Call::Exists, SysError::Other, 1, u"blink.asm");
  fake.commandLineValue = u"\"C:\\work\\blink.hex\"";
  load();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Informace");
  ASSERT_EQ(fake.starts.size(), 1U);
  EXPECT_EQ(fake.starts[0].commandLine, u"notepad \"C:\\work\\blink.hex\"");
}

TEST_F(CommandLineFaultsTest, NotepadFailingIsReportedAndTheProgramGoesOn) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.failNext(Call::Start, SysError::NotFound, 1, u"notepad");
  fake.commandLineValue = u"\"C:\\work\\blink.lst\"";
  load();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_FALSE(fake.ended);
  EXPECT_EQ(state().sourcePath, u"C:\\work\\blink.asm");
}

// One table words every failure twice: for a file the program handles, and for a program it
// starts (Notepad); neither may borrow the other's words.
TEST(FailureReason, ReadsForFilesAndForStarts) {
  struct Case {
    SysError error;
    const char16_t* file;
    const char16_t* start;
  };
  // clang-format off
  const Case cases[] = {
    {SysError::NotFound,      u"Soubor nebo složka nebyla nalezena.", u"Program nebyl nalezen."},
    {SysError::Unreachable,   u"Jednotka nebo síťová složka není dostupná.",
                              u"Jednotka nebo síťová složka s programem není dostupná."},
    {SysError::AccessDenied,  u"Přístup byl odepřen (složka je možná chráněna proti zápisu).",
                              u"Přístup byl odepřen."},
    {SysError::InUse,         u"Soubor právě používá jiný program.", u"Systém spuštění odmítl."},
    {SysError::AlreadyExists, u"Ve složce už je skrytý soubor nebo složka stejného jména.",
                              u"Systém spuštění odmítl."},
    {SysError::BadExeFormat,  u"Tato verze Windows neumí tento program spustit.",
                              u"Tento program nelze v tomto systému spustit."},
    {SysError::Other,         u"Systém operaci odmítl.", u"Systém spuštění odmítl."},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(failureReason(c.error, Attempt::FileOperation), c.file);
    EXPECT_EQ(failureReason(c.error, Attempt::ProgramStart), c.start);
  }
}

}  // namespace
}  // namespace tamrill
