// Our memory image against the reference assembler's, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "as31_syntax.h"
#include "hex_writer.h"
#include "support.h"

namespace asm51::test {
namespace {

namespace fs = std::filesystem;

std::string describeDifferences(const std::map<std::uint16_t, std::uint8_t>& ours,
                                const std::map<std::uint16_t, std::uint8_t>& theirs) {
  std::ostringstream text;
  int shown = 0;
  auto show = [&](std::uint16_t at) {
    if (shown++ >= 10) return;
    text << std::hex << "  at " << at << ": ours ";
    if (auto it = ours.find(at); it != ours.end())
      text << int(it->second);
    else
      text << "--";
    text << ", as31 ";
    if (auto it = theirs.find(at); it != theirs.end())
      text << int(it->second);
    else
      text << "--";
    text << '\n';
  };
  for (const auto& [at, value] : ours)
    if (auto it = theirs.find(at); it == theirs.end() || it->second != value) show(at);
  for (const auto& [at, value] : theirs)
    if (!ours.count(at)) show(at);
  return text.str();
}

// Runs a command in the shell; its output and errors go to `log`.
int runLogged(const std::string& command, const fs::path& log) {
  return std::system((command + " > " + log.string() + " 2>&1").c_str());
}

// The reference assembler's memory image of a source in its syntax.
std::map<std::uint16_t, std::uint8_t> as31Image(const std::string& as31Source,
                                                const fs::path& folder, const std::string& name) {
  const fs::path asmPath = folder / (name + ".asm");
  const fs::path hexPath = folder / (name + ".hex");
  std::ofstream(asmPath, std::ios::binary) << as31Source;
  const fs::path log = folder / (name + ".log");
  const int status = runLogged(
      std::string(AS31_PROGRAM) + " -Fhex -O" + hexPath.string() + " " + asmPath.string(), log);
  EXPECT_EQ(status, 0) << "as31 failed:\n" << readFile(log.string());
  return status == 0 ? parseIntelHex(readFile(hexPath.string()))
                     : std::map<std::uint16_t, std::uint8_t>{};
}

std::map<std::uint16_t, std::uint8_t> cleanImage(const AssemblyResult& result) {
  EXPECT_EQ(result.errorCount(), 0)
      << (result.diagnostics.empty()
              ? std::string()
              : std::string(errorMessage(result.diagnostics[0].code)) + " in line " +
                    std::to_string(result.diagnostics[0].line));
  const auto image = parseIntelHex(writeIntelHex(result.image));
  EXPECT_GT(image.size(), 10u);
  return image;
}

fs::path scratchFolder() {
  const fs::path folder = fs::temp_directory_path() / ("asm51-as31-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  return folder;
}

class As31Comparison : public ::testing::TestWithParam<std::string> {};

TEST_P(As31Comparison, SameMemoryImage) {
  if (std::string(AS31_PROGRAM).empty())
    GTEST_SKIP() << "as31 not found: install the as31 package to compare with it";
  const std::string path = GetParam();
  const std::string name = path.substr(path.rfind('/') + 1);
  const std::string source = readFile(std::string(ASM51_ROOT_DIR) + "/" + path + ".asm");
  const auto ours = cleanImage(assembleText(source));
  const fs::path folder = scratchFolder();
  const auto theirs = as31Image(toAs31Syntax(source), folder, name);
  EXPECT_EQ(ours, theirs) << describeDifferences(ours, theirs);
  fs::remove_all(folder);
}

// Programs written for Keil's tools, read as written against what the C
// preprocessor cpp makes of them for the reference assembler.
class KeilStyleComparison : public ::testing::TestWithParam<std::string> {};

TEST_P(KeilStyleComparison, SameMemoryImageAsAfterTheCPreprocessor) {
  if (std::string(AS31_PROGRAM).empty() || std::string(CPP_PROGRAM).empty())
    GTEST_SKIP() << "as31 or cpp not found: the comparison needs both";
  const std::string keil = std::string(ASM51_TEST_DIR) + "/keil/";
  const std::string name = GetParam();
  const auto ours = cleanImage(assembleText(
      readFile(keil + name + ".asm"), {{"serial_defs.inc", readFile(keil + "serial_defs.inc")}}));

  // The register files' names the reference assembler knows itself.
  const fs::path folder = scratchFolder();
  std::ofstream(folder / "reg52.inc");
  const fs::path preprocessed = folder / (name + ".i");
  const fs::path log = folder / (name + ".cpp.log");
  ASSERT_EQ(runLogged(std::string(CPP_PROGRAM) + " -x assembler-with-cpp -P -undef -nostdinc -I" +
                          folder.string() + " -I" + keil + " -o " + preprocessed.string() + " " +
                          keil + name + ".asm",
                      log),
            0)
      << readFile(log.string());
  const auto theirs = as31Image(toAs31Syntax(readFile(preprocessed.string())), folder, name);
  EXPECT_EQ(ours, theirs) << describeDifferences(ours, theirs);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Corpus, KeilStyleComparison,
                         ::testing::Values("timer2_blink", "serial_echo"));

INSTANTIATE_TEST_SUITE_P(Corpus, As31Comparison,
                         ::testing::Values("tests/asm51/as31/allops", "tests/asm51/as31/blink",
                                           "tests/asm51/as31/uart", "tests/asm51/as31/timers",
                                           "tests/asm51/as31/tables", "examples/blink",
                                           "examples/uart", "examples/tabulka"));

}  // namespace
}  // namespace asm51::test
