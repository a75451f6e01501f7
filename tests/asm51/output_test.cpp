#include <gtest/gtest.h>

#include "hex_writer.h"
#include "listing_writer.h"
#include "support.h"

namespace asm51::test {
namespace {

TEST(IntelHex, RecordsSplitAtGapsAndAfterSixteenBytes) {
  MemoryImage image;
  for (unsigned i = 0; i < 20; ++i)
    image.set(static_cast<std::uint16_t>(0x100 + i), static_cast<std::uint8_t>(i));
  image.set(0xFFFF, 0xAA);
  const std::string hex = writeIntelHex(image);
  EXPECT_EQ(hex,
            ":10010000000102030405060708090A0B0C0D0E0F77\r\n"
            ":0401100010111213A5\r\n"
            ":01FFFF00AA57\r\n"
            ":00000001FF\r\n");
  const auto parsed = parseIntelHex(hex);
  EXPECT_EQ(parsed.size(), 21u);
  EXPECT_EQ(parsed.at(0xFFFF), 0xAA);
}

TEST(IntelHex, EmptyImageHasOnlyTheEndRecord) {
  EXPECT_EQ(writeIntelHex(MemoryImage{}), ":00000001FF\r\n");
}

std::string listingOf(std::string_view source) {
  return writeListing(assembleText(source), "test.asm");
}

std::size_t count(const std::string& text, std::string_view what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(Listing, SummaryAlwaysCountsInDigits) {
  EXPECT_NE(listingOf("NOP\n").find("\r\nASSEMBLY COMPLETE, 0 ERRORS FOUND\r\n"),
            std::string::npos);
  EXPECT_NE(listingOf("DB X\n").find("\r\nASSEMBLY COMPLETE, 1 ERRORS FOUND\r\n"),
            std::string::npos);
  EXPECT_NE(listingOf("DB X\nDB Y\n").find("\r\nASSEMBLY COMPLETE, 2 ERRORS FOUND\r\n"),
            std::string::npos);
}

TEST(Listing, EveryLineEndsInCrLf) {
  const std::string text = listingOf("L: NOP\r\nDB 'a long string of bytes'\nMOV A,#Q\n");
  EXPECT_EQ(count(text, "\n"), count(text, "\r\n"));
  EXPECT_EQ(count(text, "\r"), count(text, "\r\n"));
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(Listing, NothingAfterTheSummaryQuotesTheSource) {
  // A source that talks about "errors found" must not fool a reader that
  // takes the last such text as the summary.
  const std::string text = listingOf(
      "; assembly complete, 99 errors found\n"
      "X: DB 'assembly complete, 7 errors found'\n"
      "MOV A,#UNDEF_SYM ; 5 errors found\n"
      "$INCLUDE(nothere errors found)\n");
  const auto summary = text.rfind(" ERRORS FOUND");
  ASSERT_NE(summary, std::string::npos);
  const std::string tail = text.substr(summary);
  EXPECT_EQ(tail.find("errors found"), std::string::npos);
  EXPECT_EQ(tail.find("UNDEF_SYM"), std::string::npos);
  EXPECT_EQ(tail.find("nothere"), std::string::npos);
  EXPECT_NE(text.find("ASSEMBLY COMPLETE, 2 ERRORS FOUND"), std::string::npos);
  // The error summary still says where and what, and the table names X.
  EXPECT_NE(tail.find("line 3: undefined symbol"), std::string::npos);
  EXPECT_NE(tail.find("line 4: cannot read include file"), std::string::npos);
  EXPECT_NE(tail.find("\r\nX "), std::string::npos);
}

TEST(Listing, ErrorsAppearUnderTheirLines) {
  const std::string text = listingOf("NOP\nSJMP NOWHERE\nRET\n");
  const auto line = text.find("SJMP NOWHERE\r\n");
  const auto error = text.find("*** ERROR in line 2: undefined symbol (NOWHERE)\r\n");
  const auto next = text.find("RET\r\n");
  ASSERT_NE(line, std::string::npos);
  ASSERT_NE(error, std::string::npos);
  EXPECT_LT(line, error);
  EXPECT_LT(error, next);
}

TEST(Listing, LongDataContinuesOnFurtherRows) {
  const std::string text = listingOf("ORG 10H\nDB 1,2,3,4,5,6,7,8,9\n");
  EXPECT_NE(text.find("0010  01020304  DB 1,2,3,4,5,6,7,8,9\r\n"), std::string::npos);
  EXPECT_NE(text.find("0014  05060708\r\n"), std::string::npos);
  EXPECT_NE(text.find("0018  09\r\n"), std::string::npos);
}

// A program long enough for many chunks, with an include, errors, long data
// and a title that comes only near the end.
std::string longProgram() {
  std::string source = "$INCLUDE(defs.inc)\n";
  for (int i = 0; i < 3000; ++i) {
    const std::string n = std::to_string(i);
    source += "L" + n + ": MOV A,#" + std::to_string(i % 256) + " ; line " + n + "\n";
    if (i % 500 == 7) source += "SJMP NOWHERE" + n + "\n";
    if (i % 700 == 3) source += "DB 1,2,3,4,5,6,7,8,9,'text'\n";
  }
  source += "$TITLE(Late title)\nEND\n";
  return source;
}

std::optional<std::string> defsOnly(const std::string& name, FileKind) {
  if (name == "defs.inc") return std::string("K EQU 5\nMOV A,#K\n");
  return std::nullopt;
}

TEST(Listing, StreamedInChunksWhileAssemblingAsWhenCollected) {
  const std::string source = longProgram();
  const FileReader reader = defsOnly;
  std::vector<std::string> chunks;
  bool finishing = false;
  std::size_t chunksBeforeFinish = 0;
  ListingStream stream("test.asm", [&](std::string_view chunk) {
    chunks.emplace_back(chunk);
    if (!finishing) ++chunksBeforeFinish;
    return true;
  });
  const AssemblyResult streamed = assemble("test.asm", source, reader, stream);
  finishing = true;
  EXPECT_TRUE(stream.finish(streamed));
  EXPECT_TRUE(streamed.listing.empty());
  EXPECT_EQ(streamed.errorCount(), 6);

  std::string whole;
  for (const std::string& chunk : chunks) {
    EXPECT_LE(chunk.size(), std::size_t{80} * 1024);
    whole += chunk;
  }
  EXPECT_GE(chunksBeforeFinish, 2u);  // written out during assembly, not kept to the end
  const AssemblyResult collected = assemble("test.asm", std::string_view(source), reader);
  EXPECT_EQ(whole, writeListing(collected, "test.asm"));
  EXPECT_EQ(whole.find("Title: Late title\r\n"), whole.find("Title:"));
  EXPECT_LT(whole.find("Title: Late title\r\n"), whole.find("MOV A,#K"));
}

TEST(Listing, AFailedWriteIsReportedAndNothingMoreIsSent) {
  int calls = 0;
  ListingStream stream("test.asm", [&calls](std::string_view) { return ++calls < 2; });
  const AssemblyResult result = assemble("test.asm", longProgram(), defsOnly, stream);
  EXPECT_FALSE(stream.finish(result));
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace asm51::test
