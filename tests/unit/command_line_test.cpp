// Opening the file named on the command line: a source directly, a HEX file or listing together
// with the source beside it, and Notepad on the given file.

#include <gtest/gtest.h>

#include "unit/assembly_world.h"

namespace tamrill {
namespace {

using test::AssemblerOutput;

class CommandLineTest : public ::testing::Test, public test::AssemblyWorld {
 protected:
  void startWith(const Text& commandLine) {
    fake.commandLineValue = commandLine;
    load();
  }
  std::vector<Text> notepadStarts() const {
    std::vector<Text> lines;
    for (const auto& s : fake.starts) {
      if (s.commandLine.starts_with(u"notepad ")) lines.push_back(s.commandLine);
    }
    return lines;
  }
};

TEST_F(CommandLineTest, QuotedSourceIsLoadedWithoutAnExistenceTest) {
  for (const Text name : {u"blink.asm", u"BLINK.ASM", u"Blink.Asm"}) {
    AssemblyWorld world;
    world.fake.commandLineValue = u"\"C:\\work\\" + name + u"\"";
    world.load();
    EXPECT_EQ(world.state().sourcePath, u"C:\\work\\" + name) << toUtf8(name);
    EXPECT_EQ(world.state().sourceFileName, name);
    EXPECT_EQ(world.form().caption(), u"Tamrill - " + name);
    EXPECT_TRUE(world.form().command3.enabled());
    EXPECT_TRUE(world.fake.messages.empty());
    EXPECT_TRUE(world.fake.starts.empty());
  }
}

TEST_F(CommandLineTest, AnythingButAQuotedPathWithAKnownEndingIsIgnored) {
  for (const Text line :
       {u"", u"C:\\work\\blink.asm", u"\"C:\\work\\blink.asm\" ", u"\"C:\\work\\blink.a51\"",
        u"\"C:\\work\\blink.asm", u"\"", u"x\"", u"\"C:\\work\\blink.txt\""}) {
    AssemblyWorld world;
    world.fake.addFile(u"C:\\work\\blink.asm");
    world.fake.commandLineValue = line;
    world.load();
    EXPECT_TRUE(world.state().sourcePath.empty()) << toUtf8(line);
    EXPECT_TRUE(world.fake.messages.empty()) << toUtf8(line);
    EXPECT_TRUE(world.fake.starts.empty()) << toUtf8(line);
  }
}

TEST_F(CommandLineTest, EveryQuoteIsRemovedAndTheWholeTextIsOnePath) {
  startWith(u"\"C:\\a\\one.asm\" \"C:\\b\\two.asm\"");
  EXPECT_EQ(state().sourcePath, u"C:\\a\\one.asm C:\\b\\two.asm");
  EXPECT_EQ(state().sourceFileName, u"two.asm");
}

TEST_F(CommandLineTest, HexWithItsSourceLoadsTheSourceThenShowsTheHexFile) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::ThreeErrors));
  // The prompt of the source's report comes before Notepad is started.
  std::size_t startsAtPrompt = 99;
  fake.onMessage = [&](const test::FakePlatform::Message&) { startsAtPrompt = fake.starts.size(); };
  startWith(u"\"C:\\work\\blink.hex\"");

  EXPECT_EQ(state().sourcePath, u"C:\\work\\blink.asm");
  EXPECT_EQ(state().sourceFileName, u"blink.asm");
  EXPECT_EQ(form().label1.caption(), u"3 chyb");
  EXPECT_EQ(startsAtPrompt, 0U);
  EXPECT_EQ(notepadStarts(), std::vector<Text>{u"notepad \"C:\\work\\blink.hex\""});
  EXPECT_EQ(form().pairedSourcePath, u"C:\\work\\blink.asm");
  EXPECT_EQ(form().pairedSourceFileName, u"blink.asm");
}

TEST_F(CommandLineTest, HexWithoutItsSourceSaysSoAndShowsTheFileAnyway) {
  startWith(u"\"C:\\work\\blink.hex\"");
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Nebyl nalezen soubor \"blink.asm\"");
  EXPECT_EQ(fake.messages[0].title, u"Informace");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(state().sourcePath.empty());
  EXPECT_FALSE(form().command3.enabled());
  EXPECT_EQ(notepadStarts(), std::vector<Text>{u"notepad \"C:\\work\\blink.hex\""});
}

TEST_F(CommandLineTest, ListingInCapitalsPairsWithALowerCaseExtension) {
  fake.addFile(u"C:\\work\\blink.asm");
  startWith(u"\"C:\\work\\BLINK.LST\"");
  EXPECT_EQ(form().pairedSourcePath, u"C:\\work\\BLINK.asm");
  EXPECT_EQ(state().sourcePath, u"C:\\work\\BLINK.asm");
  EXPECT_EQ(state().sourceFileName, u"BLINK.asm");
  EXPECT_EQ(notepadStarts(), std::vector<Text>{u"notepad \"C:\\work\\BLINK.LST\""});
}

// Made absolute against the start folder before anything is derived from it, so that the
// copies and their clean-ups do not depend on the current folder later.
TEST_F(CommandLineTest, ListingWithoutAFolderIsTakenFromTheStartFolder) {
  fake.addFile(fake.currentFolder + u"\\blink.asm");
  startWith(u"\"blink.lst\"");
  EXPECT_EQ(form().pairedSourcePath, u"C:\\Users\\student\\blink.asm");
  EXPECT_EQ(state().sourcePath, u"C:\\Users\\student\\blink.asm");
  EXPECT_EQ(state().sourceFolder, u"C:\\Users\\student\\");
  EXPECT_EQ(notepadStarts(), std::vector<Text>{u"notepad \"C:\\Users\\student\\blink.lst\""});
  fake.currentFolder = u"D:\\elsewhere";
  assemble();
  EXPECT_EQ(state().staged.folder, u"C:\\Users\\student\\");
}

TEST_F(CommandLineTest, NameTooShortForABaseNameDoesNotCrash) {
  startWith(u"\".hex\"");
  EXPECT_EQ(form().pairedSourceFileName, u".asm");
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Nebyl nalezen soubor \".asm\"");
  EXPECT_EQ(notepadStarts(), std::vector<Text>{u"notepad \"C:\\Users\\student\\.hex\""});
}

// The user asked to see the listing: one without its summary is told and shown all the same.
TEST_F(CommandLineTest, ListingWithoutItsSummaryIsStillShown) {
  fake.addFile(u"C:\\work\\blink.asm");
  fake.addFile(u"C:\\work\\blink.lst", test::listingWith(AssemblerOutput::NoSummary));
  startWith(u"\"C:\\work\\blink.lst\"");
  EXPECT_EQ(state().sourcePath, u"C:\\work\\blink.asm");
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(form().label1.caption(), u"klikni zde...");
  EXPECT_EQ(notepadStarts(), std::vector<Text>{u"notepad \"C:\\work\\blink.lst\""});
}

// Some tools pass paths with forward slashes: the same path, read before anything is cut.
TEST_F(CommandLineTest, ForwardSlashesAreReadAsBackslashes) {
  fake.addFile(u"C:\\projekt\\blik.asm");
  startWith(u"\"C:/projekt/blik.asm\"");
  EXPECT_EQ(state().sourcePath, u"C:\\projekt\\blik.asm");
  EXPECT_EQ(state().sourceFileName, u"blik.asm");
  EXPECT_EQ(form().text1.caption(), u"C:\\projekt\\blik.asm");
  assemble();
  EXPECT_EQ(fake.starts.back().commandLine, u"C:\\projekt\\asm51.exe blik");
  EXPECT_EQ(fake.starts.back().folder, u"C:\\projekt\\");
}

TEST_F(CommandLineTest, SourceNameTooLongIsRefusedButStaysInTheState) {
  startWith(u"\"C:\\work\\abcdefghi.asm\"");
  EXPECT_EQ(state().sourcePath, u"C:\\work\\abcdefghi.asm");
  EXPECT_EQ(state().sourceFileName, u"abcdefghi.asm");
  EXPECT_TRUE(state().listingPath.empty());
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Maximální dékla názvu bouboru je 8 znaků");
}

}  // namespace
}  // namespace tamrill
