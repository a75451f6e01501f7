// Whole listings and HEX files against reviewed copies kept beside their sources.
#include <gtest/gtest.h>

#include "hex_writer.h"
#include "listing_writer.h"
#include "support.h"

namespace asm51::test {
namespace {

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ListingAndHexMatch) {
  const std::string base = std::string(ASM51_TEST_DIR) + "/golden/" + GetParam();
  const std::string source = readFile(base + ".asm");
  std::map<std::string, std::string> files;
  files["golden.inc"] = readFile(std::string(ASM51_TEST_DIR) + "/golden/golden.inc");
  const AssemblyResult result = assembleText(source, files);
  const std::string hex =
      result.errorCount() == 0 ? writeIntelHex(result.image) : writeIntelHex(MemoryImage{});
  EXPECT_EQ(writeListing(result, GetParam() + ".asm"), readFile(base + ".lst"));
  EXPECT_EQ(hex, readFile(base + ".hex"));
}

INSTANTIATE_TEST_SUITE_P(Files, Golden,
                         ::testing::Values("clean", "errors", "uart_echo", "display", "blinker"));

// The shipped examples: all clean but chyba.asm, which has exactly one error.
TEST(Examples, AssembleWithTheirIntendedErrorCounts) {
  const std::pair<const char*, int> examples[] = {
      {"blink", 0}, {"chyba", 1}, {"uart", 0}, {"timer", 0}, {"tabulka", 0}};
  for (const auto& [name, errors] : examples) {
    const AssemblyResult result =
        assembleText(readFile(std::string(ASM51_ROOT_DIR) + "/examples/" + name + ".asm"));
    EXPECT_EQ(result.errorCount(), errors) << name;
    EXPECT_FALSE(result.image.empty()) << name;
  }
}

}  // namespace
}  // namespace asm51::test
