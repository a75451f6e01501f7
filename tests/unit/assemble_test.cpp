// "Přeložit": where the assembler runs, what is copied beside the source, and the report after.

#include <gtest/gtest.h>

#include "assembly/run_assembler.h"
#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using test::AssemblerOutput;

class AssembleTest : public ::testing::Test, public test::AssemblyWorld {
 protected:
  void SetUp() override { load(); }
};

TEST_F(AssembleTest, StagedRunCopiesTheMissingToolsInOrderAndWaitsInTheSourceFolder) {
  fake.addFile(u"C:\\work\\blink.asm", "END");
  open(u"C:\\work\\blink.asm");
  assemble();

  ASSERT_EQ(fake.copies.size(), 3U);
  EXPECT_EQ(fake.copies[0], std::make_pair(Text(u"C:\\Tamrill\\asm51.exe"),
                                           Text(u"C:\\work\\asm51.exe")));
  EXPECT_EQ(fake.copies[1], std::make_pair(Text(u"C:\\Tamrill\\mod51"), Text(u"C:\\work\\mod51")));
  EXPECT_EQ(fake.copies[2], std::make_pair(Text(u"C:\\Tamrill\\mod52"), Text(u"C:\\work\\mod52")));
  EXPECT_EQ(fake.contentOf(u"C:\\work\\mod52"), test::kMod52Content);

  ASSERT_EQ(fake.starts.size(), 1U);
  EXPECT_EQ(fake.starts[0].commandLine, u"C:\\work\\asm51.exe blink");
  EXPECT_EQ(fake.starts[0].folder, u"C:\\work\\");
  EXPECT_TRUE(fake.starts[0].waited);
  EXPECT_TRUE(sawAllTools);

  EXPECT_EQ(form().stagedAssembler, kTrue);
  EXPECT_EQ(form().stagedMod51, kTrue);
  EXPECT_EQ(form().stagedMod52, kTrue);
  EXPECT_EQ(form().stagedFolder, u"C:\\work\\");
  EXPECT_EQ(state().assembled, kTrue);
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
  EXPECT_EQ(form().stagedAssembler, kFalse);
  EXPECT_EQ(form().stagedMod51, kFalse);
  EXPECT_EQ(form().stagedMod52, kTrue);
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
  EXPECT_EQ(form().stagedAssembler, kFalse);
  EXPECT_EQ(form().stagedMod51, kFalse);
  EXPECT_EQ(form().stagedMod52, kFalse);
  EXPECT_EQ(state().assembled, kTrue);
  tick();
  tick();
  EXPECT_TRUE(fake.deletions.empty());
  EXPECT_EQ(state().assembled, kFalse);
}

TEST_F(AssembleTest, ProgramFolderRunStartsWithoutWaitingAndLeavesTheStagingRecord) {
  // A staged run first, so that its record is there to be left alone.
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();
  fake.addFile(u"C:\\Tamrill\\prog.asm");
  open(u"C:\\Tamrill\\prog.asm");
  form().command4.setEnabled(false);
  assemble();

  EXPECT_EQ(startsOf(false), std::vector<Text>{u"C:\\Tamrill\\asm51.exe prog"});
  EXPECT_EQ(fake.starts.back().folder, u"C:\\Tamrill\\");
  EXPECT_EQ(fake.copies.size(), 3U);  // the staged run's only
  EXPECT_EQ(form().stagedMod51, kTrue);
  EXPECT_EQ(form().stagedFolder, u"C:\\work\\");
  EXPECT_EQ(state().assembled, kTrue);
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
  EXPECT_EQ(state().assembled, kFalse);
  tick();
  tick();
  EXPECT_TRUE(form().command4.enabled());  // no staged run: the timer leaves the buttons
}

TEST_F(AssembleTest, MissingAssemblerIsReportedThenTheOldListingIsScanned) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::ThreeErrors));
  open(u"C:\\work\\blink.asm");
  fake.messages.clear();
  fake.removeFile(u"C:\\Tamrill\\asm51.exe");
  form().command5.setEnabled(false);
  assemble();

  ASSERT_GE(fake.messages.size(), 2U);
  EXPECT_EQ(fake.messages[0].text,
            u"Nenalezen soubor ASM51.EXE ve složce s tímto programem. Nelze přeložit soubor.");
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  // The full report on the listing that is there: the count and the offer to show it.
  EXPECT_EQ(fake.messages[1].buttons, MessageButtons::YesNo);
  EXPECT_EQ(form().label1.caption(), u"3 chyb");
  EXPECT_TRUE(fake.copies.empty());
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_FALSE(form().command5.enabled());
  EXPECT_EQ(state().assembled, kFalse);
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
  for (const Text name : {u"x.a", u".asm"}) {
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
  EXPECT_EQ(state().assembled, kFalse);

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
  EXPECT_EQ(fake.starts.back().commandLine, u"notepad C:\\work\\blink.lst");
}

TEST_F(AssembleTest, ListingWithoutSummaryEndsTheCommandQuietlyAfterTheStagedRun) {
  output = AssemblerOutput::NoSummary;
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
  EXPECT_EQ(state().assembled, kTrue);
  EXPECT_TRUE(form().command4.enabled());
  tick();
  tick();
  EXPECT_EQ(fake.deletions.size(), 3U);
}

// A second staged run while the first one's copies are still there removes them first, so
// they are counted as the program's again and never left behind.
TEST_F(AssembleTest, SecondRunInTheSameFolderBeforeTheCleanUpRecopiesAndRestartsTheCount) {
  fake.addFile(u"C:\\work\\blink.asm");
  open(u"C:\\work\\blink.asm");
  assemble();
  tick();
  assemble();

  EXPECT_EQ(fake.deletions.size(), 3U);
  EXPECT_EQ(fake.copies.size(), 6U);
  EXPECT_EQ(form().stagedAssembler, kTrue);
  EXPECT_EQ(form().stagedMod51, kTrue);
  EXPECT_EQ(form().stagedMod52, kTrue);
  tick();
  EXPECT_TRUE(fake.hasFile(u"C:\\work\\mod51"));  // the count started afresh
  tick();
  for (const char16_t* tool : {u"asm51.exe", u"mod51", u"mod52"}) {
    EXPECT_FALSE(fake.hasFile(u"C:\\work\\" + Text(tool))) << toUtf8(tool);
  }
  EXPECT_EQ(state().assembled, kFalse);
}

TEST_F(AssembleTest, SecondRunElsewhereRemovesTheFirstFoldersCopiesBeforeCopying) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"D:\\other\\led.asm");
  fake.addFile(u"D:\\other\\mod52", "the user's own");
  open(u"C:\\work\\blink.asm");
  assemble();
  open(u"D:\\other\\led.asm");
  assemble();

  ASSERT_EQ(fake.deletions.size(), 3U);
  EXPECT_EQ(fake.deletions[0], u"C:\\work\\asm51.exe");
  ASSERT_EQ(fake.copies.size(), 5U);
  EXPECT_EQ(fake.copies[3].second, u"D:\\other\\asm51.exe");
  EXPECT_EQ(form().stagedFolder, u"D:\\other\\");
  EXPECT_EQ(form().stagedMod52, kFalse);
  close();
  for (const char16_t* folder : {u"C:\\work\\", u"D:\\other\\"}) {
    EXPECT_FALSE(fake.hasFile(Text(folder) + u"asm51.exe")) << toUtf8(folder);
    EXPECT_FALSE(fake.hasFile(Text(folder) + u"mod51")) << toUtf8(folder);
  }
  EXPECT_EQ(fake.contentOf(u"D:\\other\\mod52"), "the user's own");
}

// A refused name keeps the previous source's folder for the comparison while the run itself
// takes the refused file's folder and base name.
TEST_F(AssembleTest, RefusedNameComparesTheEarlierFolderButRunsBesideTheRefusedFile) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"D:\\x\\abcdefghi.asm");
  open(u"C:\\work\\blink.asm");
  open(u"D:\\x\\abcdefghi.asm");
  ASSERT_EQ(state().sourceFolder, u"C:\\work\\");
  assemble();
  EXPECT_EQ(startsOf(true), std::vector<Text>{u"D:\\x\\asm51.exe abcdefghi"});
  EXPECT_EQ(form().stagedFolder, u"D:\\x\\");
}

}  // namespace
}  // namespace tamrill
