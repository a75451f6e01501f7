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

class As31Comparison : public ::testing::TestWithParam<std::string> {};

TEST_P(As31Comparison, SameMemoryImage) {
  const std::string as31 = AS31_PROGRAM;
  if (as31.empty()) GTEST_SKIP() << "as31 not found: install the as31 package to compare with it";

  const std::string path = GetParam();
  const std::string name = path.substr(path.rfind('/') + 1);
  const std::string source = readFile(std::string(ASM51_ROOT_DIR) + "/" + path + ".asm");

  const AssemblyResult result = assembleText(source);
  ASSERT_EQ(result.errorCount(), 0) << errorMessage(result.diagnostics.front().code) << " in line "
                                    << result.diagnostics.front().line;
  const auto ours = parseIntelHex(writeIntelHex(result.image));
  ASSERT_GT(ours.size(), 10u);

  const fs::path folder = fs::temp_directory_path() / ("asm51-as31-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path asmPath = folder / (name + ".asm");
  const fs::path hexPath = folder / (name + ".hex");
  std::ofstream(asmPath, std::ios::binary) << toAs31Syntax(source);
  const std::string command = as31 + " -Fhex -O" + hexPath.string() + " " + asmPath.string() +
                              " > " + (folder / (name + ".log")).string() + " 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_EQ(status, 0) << "as31 failed:\n" << readFile((folder / (name + ".log")).string());
  const auto theirs = parseIntelHex(readFile(hexPath.string()));

  EXPECT_EQ(ours, theirs) << describeDifferences(ours, theirs);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Corpus, As31Comparison,
                         ::testing::Values("tests/asm51/as31/allops", "tests/asm51/as31/blink",
                                           "tests/asm51/as31/uart", "tests/asm51/as31/timers",
                                           "tests/asm51/as31/tables", "examples/blink",
                                           "examples/uart", "examples/tabulka"));

}  // namespace
}  // namespace asm51::test
