// The assembler program as Tamrill runs it: a name, the current folder, exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "front_end.h"
#include "support.h"

namespace asm51::test {
namespace {

namespace fs = std::filesystem;

class FrontEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Spaces and Czech letters in the folder must not matter.
    folder_ = fs::temp_directory_path() /
              (std::string("asm51 složka ") + info->name() + "-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  void copyModFiles(const std::string& as51 = "mod51") {
    fs::copy_file(fs::path(ASM51_TOOL_DIR) / "mod51", folder_ / as51);
  }
  bool exists(const std::string& name) const { return fs::exists(folder_ / name); }
  std::string read(const std::string& name) const { return readFile((folder_ / name).string()); }

  // Runs the program in the folder, with no input and a time limit.
  int run(const std::string& arguments) {
    const std::string command = "cd '" + folder_.string() + "' && timeout 20 '" +
                                std::string(ASM51_EXE) + "' " + arguments +
                                " < /dev/zero > output.txt 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path folder_;
};

TEST_F(FrontEnd, WithoutArgumentPrintsUsageAndExits2) {
  EXPECT_EQ(run(""), 2);
  EXPECT_NE(read("output.txt").find("použití: asm51"), std::string::npos);
  EXPECT_FALSE(exists(".hex"));
}

TEST_F(FrontEnd, CleanSourceGivesHexAndListing) {
  copyModFiles("MOD51");  // any letter case
  write("blik.asm", "$MOD51\nSTART: CPL P1.0\nSJMP START\nEND\n");
  EXPECT_EQ(run("blik"), 0);
  EXPECT_EQ(read("blik.hex"), ":04000000B29080FC3E\r\n:00000001FF\r\n");
  EXPECT_NE(read("blik.lst").find("ASSEMBLY COMPLETE, 0 ERRORS FOUND\r\n"), std::string::npos);

  fs::remove(folder_ / "blik.hex");
  EXPECT_EQ(run("blik.asm"), 0);
  EXPECT_TRUE(exists("blik.hex"));
}

TEST_F(FrontEnd, NonAsciiSourceName) {
  write("příklad.asm", "NOP\n");
  EXPECT_EQ(run("příklad"), 0);
  EXPECT_TRUE(exists("příklad.hex"));
  EXPECT_TRUE(exists("příklad.lst"));
}

TEST_F(FrontEnd, ErrorsExit1AndLeaveNoCodeInTheHex) {
  write("chyba.asm", "NOP\nLJMP NIKDE\n");
  write("chyba.hex", ":0100000000FF\r\n:00000001FF\r\n");
  EXPECT_EQ(run("chyba"), 1);
  EXPECT_EQ(read("chyba.hex"), ":00000001FF\r\n");
  const std::string listing = read("chyba.lst");
  EXPECT_NE(listing.find("*** CHYBA na \xF8\xE1"
                         "dku 2: nedefinovan\xFD symbol NIKDE"),
            std::string::npos);
  EXPECT_NE(listing.find("ASSEMBLY COMPLETE, 1 ERRORS FOUND"), std::string::npos);
  // The console speaks UTF-8 here, whatever the listing's encoding.
  EXPECT_NE(read("output.txt").find("chyba.asm(2): chyba: nedefinovaný symbol NIKDE"),
            std::string::npos);
}

TEST_F(FrontEnd, UnreadableSourceExits2AndLeavesNoListing) {
  write("stary.lst", "ASSEMBLY COMPLETE, 0 ERRORS FOUND\r\n");
  write("stary.hex", ":0100000000FF\r\n:00000001FF\r\n");
  EXPECT_EQ(run("stary"), 2);
  EXPECT_FALSE(exists("stary.lst"));
  EXPECT_EQ(read("stary.hex"), ":00000001FF\r\n");
}

TEST_F(FrontEnd, MissingIncludeOrRegisterFileExits2WithAListing) {
  write("inc.asm", "NOP\n$INCLUDE(chybi.inc)\n");
  EXPECT_EQ(run("inc"), 2);
  EXPECT_NE(read("inc.lst").find("soubor chybi.inc nelze p\xF8"
                                 "e\xE8\xEDst"),
            std::string::npos);

  write("mod.asm", "$MOD51\nNOP\n");
  EXPECT_EQ(run("mod"), 2);
  EXPECT_NE(read("mod.lst").find("soubor mod51 s n\xE1zvy registr\xF9 nelze"), std::string::npos);
  EXPECT_NE(read("mod.lst").find("ASSEMBLY COMPLETE, 1 ERRORS FOUND"), std::string::npos);
}

TEST_F(FrontEnd, UnwritableListingExits2AndStillRewritesTheHex) {
  write("zapis.asm", "MOV A,#5\n");
  write("zapis.hex", ":0100000000FF\r\n:00000001FF\r\n");
  fs::create_directory(folder_ / "zapis.lst");  // cannot be opened as a file, even by root
  EXPECT_EQ(run("zapis"), 2);
  EXPECT_NE(read("output.txt").find("výpis zapis.lst nelze zapsat"), std::string::npos);
  EXPECT_EQ(parseIntelHex(read("zapis.hex")),
            (std::map<std::uint16_t, std::uint8_t>{{0, 0x74}, {1, 5}}));
}

TEST_F(FrontEnd, AWindows1250SourceGetsAWindows1250ListingAndAUtf8Console) {
  write("stare.asm", "; p\xF8\xEDklad\nNOP\n$INCLUDE(chyb\xEC.inc)\n");
  EXPECT_EQ(run("stare"), 2);
  const std::string listing = read("stare.lst");
  EXPECT_FALSE(listing.starts_with("\xEF\xBB\xBF"));
  EXPECT_NE(listing.find("soubor chyb\xEC.inc nelze p\xF8"
                         "e\xE8\xEDst"),
            std::string::npos);
  EXPECT_NE(read("output.txt").find("stare.asm(3): chyba: soubor chybě.inc nelze přečíst"),
            std::string::npos);
}

TEST_F(FrontEnd, UnwritableHexIsAnErrorOfTheListingAndExits2) {
  write("hexa.asm", "MOV A,#5\nEND\n");
  fs::create_directory(folder_ / "hexa.hex");  // cannot be opened as a file, even by root
  EXPECT_EQ(run("hexa"), 2);
  // The listing, written after the attempt, counts it and says why.
  const std::string listing = read("hexa.lst");
  EXPECT_TRUE(listing.ends_with("ASSEMBLY COMPLETE, 1 ERRORS FOUND\r\n"));
  EXPECT_NE(listing.find("Chyby: 1"), std::string::npos);
  EXPECT_NE(listing.find("soubor hexa.hex nelze zapsat"), std::string::npos);
  EXPECT_NE(read("output.txt").find("soubor hexa.hex nelze zapsat"), std::string::npos);
}

TEST_F(FrontEnd, IncludesAreFoundInTheCurrentFolderInAnyCase) {
  write("main.asm", "$INCLUDE(Defs.INC)\nMOV A,#HODNOTA\n");
  write("defs.inc", "HODNOTA EQU 7\n");
  EXPECT_EQ(run("main"), 0);
  EXPECT_EQ(parseIntelHex(read("main.hex")),
            (std::map<std::uint16_t, std::uint8_t>{{0, 0x74}, {1, 7}}));
}

TEST_F(FrontEnd, RegisterFilesInTheFolderWinOverTheBuiltInOnes) {
  // A source as saved by a Windows editor: byte-order mark, CRLF, Ctrl-Z.
  write("keil.asm",
        "\xEF\xBB\xBF$NOMOD51\r\n$INCLUDE (REG52.INC)\r\n#include <At89x52.inc> // AUXR\r\n"
        "MOV A,#MINE\r\nMOV AUXR,#1\r\n\x1A");
  write("reg52.inc", "MINE EQU 7\n");
  EXPECT_EQ(run("keil"), 0);
  EXPECT_EQ(parseIntelHex(read("keil.hex")), (std::map<std::uint16_t, std::uint8_t>{
                                                 {0, 0x74}, {1, 7}, {2, 0x75}, {3, 0x8E}, {4, 1}}));
  // An all-ASCII source with the mark is still UTF-8: so is its listing,
  // which has the mark once, at its start, and not before the first line.
  const std::string listing = read("keil.lst");
  EXPECT_TRUE(listing.starts_with("\xEF\xBB\xBF"));
  EXPECT_EQ(listing.find("\xEF\xBB\xBF", 3), std::string::npos);
  EXPECT_NE(listing.find("$NOMOD51"), std::string::npos);
}

}  // namespace
}  // namespace asm51::test

namespace asm51::test {
namespace {

TEST_F(FrontEnd, OutputNamesIgnoreObjectAndPrintControls) {
  write("demo.asm", "$OBJECT(other.obj) PRINT(other.prn) NOOBJECT\nNOP\n");
  EXPECT_EQ(run("demo"), 0);
  EXPECT_EQ(read("demo.hex"), ":0100000000FF\r\n:00000001FF\r\n");
  EXPECT_TRUE(exists("demo.lst"));
  EXPECT_FALSE(exists("other.obj") || exists("other.prn"));
}

TEST_F(FrontEnd, RunningOutOfMemoryExits2WithAMessageAndNoStaleCode) {
  write("big.hex", ":0100000000FF\r\n:00000001FF\r\n");
  const fs::path console = folder_ / "console.txt";
  std::FILE* out = std::fopen(console.c_str(), "w");
  ASSERT_NE(out, nullptr);
  const int code =
      cli::guardMemory([]() -> int { throw std::bad_alloc(); }, folder_ / "big.hex", out);
  std::fclose(out);
  EXPECT_EQ(code, cli::kCannotRead);
  EXPECT_EQ(read("console.txt"), "asm51: nedostatek paměti\n");
  EXPECT_EQ(read("big.hex"), ":00000001FF\r\n");
  // Work that finishes passes its exit code through.
  EXPECT_EQ(cli::guardMemory([] { return 1; }, folder_ / "big.hex", stdout), 1);
}

}  // namespace
}  // namespace asm51::test
