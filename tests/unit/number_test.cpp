// Reading the error count's number, its text form, and the listing's 8-bit decoding.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/cp1250.h"
#include "base/number.h"
#include "report/error_report.h"

namespace tamrill {
namespace {

struct NumberCase {
  const char* text;
  float expected;
};

class ReadsNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadsNumber, AsTheListingCountIsRead) {
  const auto value = readNumber(fromUtf8(GetParam().text));
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadsNumber,
    ::testing::Values(
        // what summaries hold
        NumberCase{" 3 ", 3}, NumberCase{" 12 ", 12}, NumberCase{" no ", 0}, NumberCase{"", 0},
        NumberCase{" NO ", 0},
        // blanks, tabs and line feeds are skipped wherever they stand, carriage returns are not
        NumberCase{"\t\n 4", 4}, NumberCase{"1 2", 12}, NumberCase{"- 3", -3},
        NumberCase{"1 e 2", 100}, NumberCase{"\r3", 0}, NumberCase{"3\r4", 3},
        // sign, period, exponent
        NumberCase{"+7", 7}, NumberCase{"-3", -3}, NumberCase{"0.5", 0.5F}, NumberCase{".5", 0.5F},
        NumberCase{"5.", 5}, NumberCase{"1e3", 1000}, NumberCase{"1E+2", 100},
        NumberCase{"2.5e-1", 0.25F}, NumberCase{"1e", 1}, NumberCase{"1e+", 1},
        NumberCase{"1e+x", 1},
        // where the number stops
        NumberCase{"3,5", 3}, NumberCase{"--3", 0}, NumberCase{"+-3", 0}, NumberCase{"3.5.6", 3.5F},
        NumberCase{"0003", 3}, NumberCase{"3abc", 3}, NumberCase{".", 0}, NumberCase{"-", 0},
        NumberCase{"e5", 0}, NumberCase{"1.2.3e4", 1.2F},
        // the edges of single precision
        NumberCase{"3.4e38", 3.4e38F}, NumberCase{"-3.4e38", -3.4e38F}, NumberCase{"1e-50", 0},
        NumberCase{"0e999", 0}, NumberCase{"1e-99999999999999999999999", 0}));

TEST(ReadsNumber, BeyondSinglePrecisionIsNoValue) {
  for (const char* text : {"3.5e38", "-3.5e38", "1e39", "1e400", "1e99999999999999999999"}) {
    EXPECT_FALSE(readNumber(fromUtf8(text)).has_value()) << text;
  }
  // 10^38 written out fits, 10^39 does not.
  EXPECT_TRUE(readNumber(fromUtf8("1" + std::string(38, '0'))).has_value());
  EXPECT_FALSE(readNumber(fromUtf8("1" + std::string(39, '0'))).has_value());
  EXPECT_FALSE(readNumber(fromUtf8(std::string(5000, '9'))).has_value());
}

TEST(ReadsNumber, LongRunsOfZerosDoNotChangeTheValue) {
  EXPECT_EQ(readNumber(fromUtf8(std::string(5000, '0') + "3")), 3.0F);
  EXPECT_EQ(readNumber(fromUtf8("3." + std::string(5000, '0') + "1")), 3.0F);
  EXPECT_EQ(readNumber(fromUtf8("0." + std::string(5000, '0') + "1")), 0.0F);
  // Digits beyond those kept still scale the number.
  EXPECT_EQ(readNumber(fromUtf8("1" + std::string(900, '0') + "e-870")), 1e30F);
  EXPECT_FALSE(readNumber(fromUtf8("1" + std::string(900, '0') + "e-860")).has_value());
  const auto scaled = readNumber(fromUtf8("25" + std::string(900, '0') + "e-900"));
  ASSERT_TRUE(scaled.has_value());
  EXPECT_EQ(*scaled, 25.0F);
}

TEST(NumberReader, TakesNothingAfterTheNumberHasEnded) {
  NumberReader reader;
  for (const char16_t c : Text(u" 42 ")) EXPECT_TRUE(reader.take(c));
  EXPECT_FALSE(reader.take(u'x'));
  EXPECT_FALSE(reader.take(u'7'));
  EXPECT_EQ(reader.value(), 42.0F);
}

TEST(CountText, IsTheShortestDecimalForm) {
  EXPECT_EQ(countText(3), u"3");
  EXPECT_EQ(countText(12), u"12");
  EXPECT_EQ(countText(0.5F), u"0.5");
  EXPECT_EQ(countText(-3), u"-3");
  EXPECT_EQ(countText(0.1F), u"0.1");
  EXPECT_EQ(countText(1000000), u"1000000");
  EXPECT_EQ(countText(9999999), u"9999999");
  EXPECT_EQ(countText(1e20F), u"1e+20");
}

TEST(Cp1250, DecodesCzechOneByteToOneCharacter) {
  // "Příliš žluťoučký kůň" in the Central European code page.
  const std::string bytes = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";
  EXPECT_EQ(decodeCp1250(bytes), u"Příliš žluťoučký kůň");
  EXPECT_EQ(decodeCp1250("\x8A\x8E\xC8\xD8\xCC\xD9"), u"ŠŽČŘĚŮ");
  // Unassigned bytes and NUL still give one character each.
  EXPECT_EQ(decodeCp1250(std::string("\x81\x00\x98", 3)), Text(u"\u0081\u0000\u0098", 3));
}

}  // namespace
}  // namespace tamrill
