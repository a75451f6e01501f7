// Whole listings and HEX files against reviewed copies kept beside their sources.
#include <gtest/gtest.h>

#include "hex_writer.hpp"
#include "listing_writer.hpp"
#include "support.hpp"

namespace asm51::test {
namespace {

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ListingAndHexMatch) {
    const std::string base = std::string(ASM51_TEST_DIR) + "/golden/" + GetParam();
    const std::string source = readFile(base + ".asm");
    std::map<std::string, std::string> files;
    files["golden.inc"] = readFile(std::string(ASM51_TEST_DIR) + "/golden/golden.inc");
    const AssemblyResult result = assembleText(source, files);
    const std::string hex = result.errorCount() == 0 ? writeIntelHex(result.image) : writeIntelHex(MemoryImage{});
    EXPECT_EQ(writeListing(result, GetParam() + ".asm"), readFile(base + ".lst"));
    EXPECT_EQ(hex, readFile(base + ".hex"));
}

INSTANTIATE_TEST_SUITE_P(Files, Golden, ::testing::Values("clean", "errors"));

}  // namespace
}  // namespace asm51::test
