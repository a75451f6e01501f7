// "Přeložit": where the assembler runs, what is copied beside the source, and the report after.

#include <gtest/gtest.h>

#include "assembly/run_assembler.h"
#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using test::AssemblerOutput;
using test::FakePlatform;

class AssembleTest : public ::testing::Test, public test::AssemblyWorld {
 protected:
  void SetUp() override { load(); }
};

TEST_F(AssembleTest, StagedRunCopiesTheMissingToolsInOrderAndWaitsInTheSourceFolder) {
  fake.addFile(u"C:\\work\\blink.asm", "END");
  open(u"C:\\work\\blink.asm");
  assemble();

  ASSERT_EQ(fake.copies.size(), 3U);
  EXPECT_EQ(fake.copies[0],
            std::make_pair(Text(u"C:\\Tamrill\\asm51.exe"), Text(u"C:\\work\\asm51.exe")));
  EXPECT_EQ(fake.copies[1], std::make_pair(Text(u"C:\\Tamrill\\mod51"), Text(u"C:\\work\\mod51")));
  EXPECT_EQ(fake.copies[2], std::make_pair(Text(u"C:\\Tamrill\\mod52"), Text(u"C:\\work\\mod52")));
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod52"), test::kMod52Content);

  ASSERT_EQ(fake.starts.size(), 1U);
  EXPECT_EQ(fake.starts[0].commandLine, u"C:\\work\\asm51.exe blink");
  EXPECT_EQ(fake.starts[0].folder, u"C:\\work\\");
  EXPECT_TRUE(fake.starts[0].waited);
  EXPECT_TRUE(sawAllTools);

  EXPECT_TRUE(state().staged[Tool::Assembler].made);
  EXPECT_TRUE(state().staged[Tool::Mod51].made);
  EXPECT_TRUE(state().staged[Tool::Mod52].made);
  EXPECT_EQ(state().staged.folder, u"C:\\work\\");
  EXPECT_TRUE(state().assembled);
  EXPECT_TRUE(form().command4.enabled());
  EXPECT_TRUE(form().command5.enabled());
  // The new listing is scanned and reported.
  EXPECT_EQ(form().label1.caption(), u"bez chyb :)");
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(AssembleTest, PartsWithABlankAreQuotedSoNoOtherProgramRunsAndTheNameStaysWhole) {
  fake.addFile(u"C:\\Mé projekty\\blik.asm");
  open(u"C:\\Mé projekty\\blik.asm");
  assemble();
  EXPECT_EQ(startsOf(true), std::vector<Text>{u"\"C:\\Mé projekty\\asm51.exe\" blik"});
  EXPECT_TRUE(fake.hasFile(u"C:\\Mé projekty\\blik.lst"));
}

TEST(AssemblerCommandLine, QuotesOnlyAPartThatHoldsABlank) {
  EXPECT_EQ(assemblerCommandLine(u"C:\\work\\asm51.exe", u"blink"), u"C:\\work\\asm51.exe blink");
  EXPECT_EQ(assemblerCommandLine(u"C:\\work\\asm51.exe", u"my led"),
            u"C:\\work\\asm51.exe \"my led\"");
}

TEST_F(AssembleTest, UsersOwnToolInAnyLetterCaseIsUsedAndNeverReplaced) {
  fake.addFile(u"C:\\work\\MOD51", "the user's own");
  fake.addFile(u"C:\\work\\Asm51.Exe", "the user's assembler");
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();

  ASSERT_EQ(fake.copies.size(), 1U);
  EXPECT_EQ(fake.copies[0].second, u"C:\\work\\mod52");
  EXPECT_FALSE(state().staged[Tool::Assembler].made);
  EXPECT_FALSE(state().staged[Tool::Mod51].made);
  EXPECT_TRUE(state().staged[Tool::Mod52].made);
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod51"), "the user's own");

  tick();
  tick();
  EXPECT_EQ(fake.deletions, std::vector<Text>{u"C:\\work\\mod52"});
  EXPECT_EQ(fake.contentOf(u"C:\\work\\asm51.exe"), "the user's assembler");
}

TEST_F(AssembleTest, ProgramFolderInOtherLetterCaseCountsAsElsewhereButCopiesNothing) {
  fake.addFile(u"c:\\tamrill\\blink.asm");
  open(u"c:\\tamrill\\blink.asm");
  assemble();

  EXPECT_TRUE(fake.copies.empty());
  EXPECT_EQ(startsOf(true), std::vector<Text>{u"c:\\tamrill\\asm51.exe blink"});
  EXPECT_FALSE(state().staged[Tool::Assembler].made);
  EXPECT_FALSE(state().staged[Tool::Mod51].made);
  EXPECT_FALSE(state().staged[Tool::Mod52].made);
  EXPECT_TRUE(state().assembled);
  tick();
  tick();
  EXPECT_TRUE(fake.deletions.empty());
  EXPECT_FALSE(state().assembled);
}

TEST_F(AssembleTest, ProgramFolderRunIsWaitedForAndLeavesTheStagingRecord) {
  // A staged run first, so that its record is there to be left alone.
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();
  fake.addFile(u"C:\\Tamrill\\prog.asm");
  open(u"C:\\Tamrill\\prog.asm");
  form().command4.setEnabled(false);
  assemble();

  EXPECT_EQ(startsOf(true),
            (std::vector<Text>{u"C:\\work\\asm51.exe blink", u"C:\\Tamrill\\asm51.exe prog"}));
  EXPECT_EQ(fake.starts.back().folder, u"C:\\Tamrill\\");
  // Its own fresh count, not the one of the listing before.
  EXPECT_EQ(form().label1.caption(), u"bez chyb :)");
  EXPECT_EQ(fake.copies.size(), 3U);  // the staged run's only
  EXPECT_TRUE(state().staged[Tool::Mod51].made);
  EXPECT_EQ(state().staged.folder, u"C:\\work\\");
  EXPECT_TRUE(state().assembled);
  EXPECT_TRUE(form().command4.enabled());
  EXPECT_TRUE(form().command5.enabled());
}

TEST_F(AssembleTest, ProgramFolderRunThatFindsNoListingYetSaysSoAndKeepsTheLabel) {
  output = AssemblerOutput::Nothing;
  fake.addFile(u"C:\\Tamrill\\prog.asm");
  open(u"C:\\Tamrill\\prog.asm");
  assemble();
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Soubor C:\\Tamrill\\prog.lst neexistuje");
  EXPECT_FALSE(state().assembled);
  tick();
  tick();
  EXPECT_TRUE(form().command4.enabled());  // no staged run: the timer leaves the buttons
}

// Nothing ran, so the old listing says nothing about this run and is not scanned.
TEST_F(AssembleTest, MissingAssemblerIsReportedAndNothingIsScanned) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::ThreeErrors));
  open(u"C:\\work\\blink.asm");
  fake.messages.clear();
  fake.removeFile(u"C:\\Tamrill\\asm51.exe");
  form().command5.setEnabled(false);
  assemble();

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text,
            u"Nenalezen soubor ASM51.EXE ve složce s tímto programem. Nelze přeložit soubor.");
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_FALSE(form().command5.enabled());
  EXPECT_FALSE(state().assembled);
}

TEST_F(AssembleTest, SourceDeletedAfterOpeningWarnsAndDisablesViewingIt) {
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  const Text label = form().label1.caption();
  fake.removeFile(u"C:\\work\\blink.asm");
  assemble();

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text,
            u"Nelze najít soubor \"blink.asm\" Zkuste ho najít pomocí tlačítka \"Otevřít ASM\"");
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(form().command2.enabled());
  EXPECT_EQ(form().label1.caption(), label);
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_TRUE(fake.starts.empty());
}

TEST_F(AssembleTest, NameWithoutABaseNameIsNotAssembled) {
  for (const Text name : {u".asm", u".ASM"}) {
    fake.messages.clear();
    fake.addFile(u"C:\\work\\" + name);
    open(u"C:\\work\\" + name);
    assemble();
    ASSERT_EQ(fake.messages.size(), 1U) << toUtf8(name);
    EXPECT_EQ(fake.messages[0].title, u"Varování");
    EXPECT_NE(fake.messages[0].text.find(u"příliš krátký"), Text::npos);
    EXPECT_NE(fake.messages[0].text.find(name), Text::npos);
  }
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_FALSE(state().assembled);

  // Five characters leave a base name of one.
  fake.addFile(u"C:\\work\\a.asm");
  open(u"C:\\work\\a.asm");
  assemble();
  EXPECT_EQ(startsOf(true), std::vector<Text>{u"C:\\work\\asm51.exe a"});
}

TEST_F(AssembleTest, RunWithErrorsReportsTheCountAndOffersTheListing) {
  output = AssemblerOutput::ThreeErrors;
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  fake.yesNoAnswers.push_back(MessageAnswer::Yes);
  assemble();
  EXPECT_EQ(form().label1.caption(), u"3 chyb");
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Nalezeno 3 chyb. Přejete si zobrazit výpis?");
  EXPECT_EQ(fake.starts.back().commandLine, u"notepad \"C:\\work\\blink.lst\"");
}

TEST_F(AssembleTest, ListingWithoutSummaryIsToldAfterTheStagedRun) {
  output = AssemblerOutput::NoSummary;
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text,
            u"Výpis \"C:\\work\\blink.lst\" neobsahuje souhrn překladu. Počet chyb nelze "
            u"zjistit.");
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
  EXPECT_TRUE(state().assembled);
  EXPECT_TRUE(form().command4.enabled());
  tick();
  tick();
  EXPECT_EQ(fake.deletions.size(), 3U);
}

// "bez chyb :)" only with a HEX file this run wrote: one the run left as it was (held open by a
// programmer tool, read-only), or none at all, is no result of it.
TEST_F(AssembleTest, NoErrorsWithoutANewHexFileIsNoSuccess) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.hex", ":old\r\n");
  open(u"C:\\work\\blink.asm");
  fake.clock += 100'000'000;  // ten seconds later
  writeHex = false;
  const Text warning =
      u"Překladač nezapsal nový soubor \"C:\\work\\blink.hex\", ačkoli výpis neuvádí žádné "
      u"chyby. Soubor HEX není výsledkem tohoto překladu.";
  for (const bool hexThere : {true, false}) {
    if (!hexThere) fake.removeFile(u"C:\\work\\blink.hex");
    fake.messages.clear();
    assemble();
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_EQ(fake.messages[0].title, u"Varování");
    EXPECT_EQ(fake.messages[0].text, warning);
    EXPECT_EQ(form().label1.caption(), u"klikni zde...");
    EXPECT_EQ(form().command5.enabled(), hexThere);
  }

  // With errors the HEX file is not judged: assemblers may skip it.
  output = AssemblerOutput::ThreeErrors;
  fake.messages.clear();
  assemble();
  EXPECT_EQ(form().label1.caption(), u"3 chyb");
  EXPECT_EQ(fake.messages.size(), 1U);

  output = AssemblerOutput::NoErrors;
  writeHex = true;
  assemble();
  EXPECT_EQ(form().label1.caption(), u"bez chyb :)");
}

// A second staged run while the first one's copies are still there knows them for its own
// copies: it uses them, and they go two ticks after the new run.
TEST_F(AssembleTest, SecondRunInTheSameFolderBeforeTheCleanUpUsesItsCopiesAndRestartsTheCount) {
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();
  tick();
  assemble();

  EXPECT_TRUE(fake.deletions.empty());
  EXPECT_EQ(fake.copies.size(), 3U);
  EXPECT_TRUE(sawAllTools);
  EXPECT_TRUE(state().staged[Tool::Assembler].made);
  EXPECT_TRUE(state().staged[Tool::Mod51].made);
  EXPECT_TRUE(state().staged[Tool::Mod52].made);
  tick();
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\mod51"));  // the count started afresh
  tick();
  for (const char16_t* tool : {u"asm51.exe", u"mod51", u"mod52"}) {
    EXPECT_FALSE(fake.hasFile(u"C:\\work\\" + Text(tool))) << toUtf8(tool);
  }
  EXPECT_FALSE(state().assembled);
}

// The copies of a run elsewhere stay pending and go with the next timed clean-up, together with
// the new run's; the user's own tool is used and left alone.
TEST_F(AssembleTest, SecondRunElsewhereLeavesTheFirstFoldersCopiesToTheCleanUp) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"D:\\other\\led.asm");
  fake.addFile(u"D:\\other\\mod52", "the user's own");
  open(u"C:\\work\\blink.asm");
  assemble();
  open(u"D:\\other\\led.asm");
  assemble();

  EXPECT_TRUE(fake.deletions.empty());
  ASSERT_EQ(fake.copies.size(), 5U);
  EXPECT_EQ(fake.copies[3].second, u"D:\\other\\asm51.exe");
  EXPECT_EQ(state().staged.folder, u"D:\\other\\");
  EXPECT_FALSE(state().staged[Tool::Mod52].made);
  tick();
  tick();
  EXPECT_EQ(fake.deletions.size(), 5U);
  for (const char16_t* folder : {u"C:\\work\\", u"D:\\other\\"}) {
    EXPECT_FALSE(fake.hasFile(Text(folder) + u"asm51.exe")) << toUtf8(folder);
    EXPECT_FALSE(fake.hasFile(Text(folder) + u"mod51")) << toUtf8(folder);
  }
  EXPECT_EQ(fake.contentOf(u"D:\\other\\mod52"), "the user's own");
}

// The assembler reads NAME.asm whatever it is handed: any other name is refused before anything
// is copied or run, as is a name the load refused.
TEST_F(AssembleTest, OnlyASourceTheLoadAcceptedAndNamedDotAsmIsAssembled) {
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  const Text label = form().label1.caption();
  for (const Text name : {u"main.a51", u"x.a", u"abcdefghi.asm"}) {
    fake.messages.clear();
    fake.addFile(u"D:\\x\\" + name);
    fake.addFile(u"D:\\x\\main.hex", "the user's");
    open(u"D:\\x\\" + name);
    fake.messages.clear();
    assemble();
    ASSERT_EQ(fake.messages.size(), 1U) << toUtf8(name);
    EXPECT_EQ(fake.messages[0].title, u"Varování");
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  }
  EXPECT_EQ(fake.messages[0].text, u"Maximální dékla názvu bouboru je 8 znaků");
  open(u"D:\\x\\main.a51");
  fake.messages.clear();
  assemble();
  EXPECT_EQ(fake.messages[0].text,
            u"Soubor \"main.a51\" nelze přeložit: překladač ASM51 překládá jen soubory s příponou "
            u".asm.");
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_EQ(fake.contentOf(u"D:\\x\\main.hex"), "the user's");
  EXPECT_EQ(form().label1.caption(), label);

  // Any letter case of .asm is the assembler's.
  fake.addFile(u"D:\\x\\MAIN.ASM");
  open(u"D:\\x\\MAIN.ASM");
  assemble();
  EXPECT_EQ(startsOf(true), std::vector<Text>{u"D:\\x\\asm51.exe MAIN"});
}

// A verdict comes only from a listing that the run wrote.
TEST_F(AssembleTest, StartThatFailsGetsItsBoxAndNoScan) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::NoErrors));
  open(u"C:\\work\\blink.asm");
  fake.messages.clear();
  fake.failNext(FakePlatform::Call::RunAndWait, SysError::AccessDenied);
  assemble();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
  // The copies still go with the timed clean-up.
  tick();
  tick();
  EXPECT_EQ(fake.deletions.size(), 3U);
}

TEST_F(AssembleTest, ListingTheRunLeftUntouchedIsNotTakenForItsResult) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::NoErrors));
  open(u"C:\\work\\blink.asm");
  ASSERT_EQ(form().label1.caption(), u"bez chyb :)");
  fake.messages.clear();
  fake.clock += 100'000'000;  // ten seconds later
  output = AssemblerOutput::Nothing;
  assemble();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].text,
            u"Překladač nezapsal nový výpis \"C:\\work\\blink.lst\". "
            u"Výsledek překladu nelze zjistit.");
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
}

// On a FAT drive times go in 2-second steps: a listing rewritten with the same size within the
// step of the old one is still this run's.
TEST_F(AssembleTest, ListingRewrittenWithinTheSameTwoSecondsOnFatIsTheRunsOwn) {
  fake.timeResolution = 20'000'000;
  fake.clock -= fake.clock % 20'000'000;
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::ThreeErrors));
  open(u"C:\\work\\blink.asm");
  fake.messages.clear();
  output = AssemblerOutput::ThreeErrors;
  assemble();
  ASSERT_FALSE(fake.messages.empty());
  EXPECT_EQ(fake.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(form().label1.caption(), u"3 chyb");
}

TEST(ListingFreshness, ChangedOrNotOlderThanTheRunsTwoSecondStepIsNew) {
  constexpr std::uint64_t kSecond = 10'000'000;
  const FileStamp old{1, 7, 100, 1000 * kSecond};
  const std::uint64_t start = 1011 * kSecond + 5;
  EXPECT_FALSE(writtenByRun({SysError::None, old}, old, start));
  EXPECT_TRUE(writtenByRun({SysError::NotFound, {}}, old, start));
  for (FileStamp changed :
       {FileStamp{1, 8, 100, old.lastWrite}, FileStamp{1, 7, 101, old.lastWrite},
        FileStamp{1, 7, 100, old.lastWrite + 1}}) {
    EXPECT_TRUE(writtenByRun({SysError::None, old}, changed, start));
  }
  const FileStamp sameStep{1, 7, 100, 1010 * kSecond};
  EXPECT_TRUE(writtenByRun({SysError::None, sameStep}, sameStep, start));
  EXPECT_FALSE(writtenByRun({SysError::None, sameStep}, sameStep, start + 2 * kSecond));
}

}  // namespace
}  // namespace tamrill
