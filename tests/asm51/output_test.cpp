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

TEST(Listing, TheSummaryIsTheLastLineAndComesOnce) {
  // A source that talks about "errors found" must not fool a reader that
  // takes the last such text as the summary.
  const std::string text = listingOf(
      "; assembly complete, 99 errors found\n"
      "X: DB 'assembly complete, 7 errors found'\n"
      "MOV A,#UNDEF_SYM ; 5 errors found\n"
      "$INCLUDE(nothere errors found)\n");
  EXPECT_TRUE(text.ends_with("\r\n\r\nASSEMBLY COMPLETE, 2 ERRORS FOUND\r\n"));
  EXPECT_EQ(count(text, "ERRORS FOUND"), 1u);
  // The symbol table comes before it.
  EXPECT_LT(text.find("\r\nX "), text.rfind("ASSEMBLY COMPLETE"));
}

TEST(Listing, ErrorsAppearUnderTheirLines) {
  const std::string text = listingOf("NOP\nSJMP NOWHERE\nRET\nEND\n");
  const auto line = text.find("SJMP NOWHERE\r\n");
  const auto error = text.find(
      "*** CHYBA na \xF8\xE1"
      "dku 2: nedefinovan\xFD symbol NOWHERE\r\n");
  const auto next = text.find("RET\r\n");
  ASSERT_NE(line, std::string::npos);
  ASSERT_NE(error, std::string::npos);
  EXPECT_LT(line, error);
  EXPECT_LT(error, next);
}

// The list of errors right after the header: what and where on the first
// screen, in the words the five commonest mistakes must be named with.
TEST(Listing, ErrorsComeFirstWithTheirLinesAndMessages) {
  const std::string text = listingOf(
      "; čeština\n"             // 1: a UTF-8 source, so the listing is UTF-8 too
      "DELAY: DJNZ R7,DELAY\n"  // 2
      "DB 300 // C comment\n"   // 3: listed as written, also at the top
      "MOV A,R8\n"              // 4
      "CALL NOWHERE\n"          // 5
      "CALL DELAJ\n"            // 6
      "DB 'open\n"              // 7
      "SJMP FAR\n"              // 8
      "ORG 100H\n"              // 9
      "FAR: RET\n"              // 10
      "ORG 100H\n"              // 11
      "NOP\n");                 // 12, and no END
  const std::size_t firstSourceLine = text.find("; čeština");
  ASSERT_NE(firstSourceLine, std::string::npos);
  const std::string top = text.substr(0, firstSourceLine);
  for (const char* entry : {
           "Chyby: 6, varování: 2\r\n",
           "  řádek 3: hodnota 300 se nevejde do bajtu (0 až 255)\r\n      DB 300 // C comment\r\n",
           "  řádek 4: R8 není registr (registry jsou R0 až R7)\r\n",
           "  řádek 5: nedefinovaný symbol NOWHERE\r\n",
           "  řádek 6: nedefinovaný symbol DELAJ – nemysleli jste DELAY?\r\n",
           "  řádek 7: neukončený řetězec\r\n",
           "  řádek 8: relativní skok je příliš daleko (242 bajtů); použijte LJMP nebo JMP\r\n",
           "  řádek 12: varování: kód na adrese 0100H přepisuje dříve zapsaný kód",
           "  řádek 12: varování: zdrojový text nekončí direktivou END",
       })
    EXPECT_NE(top.find(entry), std::string::npos) << entry;
  // The errors stay beside their lines too.
  EXPECT_NE(text.find("DB 300 // C comment\r\n*** CHYBA na řádku 3: hodnota 300"),
            std::string::npos);
}

TEST(Listing, WarningsAreShownButNotCounted) {
  const AssemblyResult r = assembleText("ORG 10H\nNOP\nNOP\nORG 11H\nRET\n");
  EXPECT_EQ(r.errorCount(), 0);
  EXPECT_EQ(warningCodes(r), (std::vector{ErrorCode::CodeOverlap, ErrorCode::MissingEnd}));
  EXPECT_EQ(r.diagnostics[0].line, 5);
  EXPECT_EQ(r.diagnostics[0].detail, "0011H");
  EXPECT_EQ(bytesAt(r, 0x10, 2), (std::vector<std::uint8_t>{0x00, 0x22}));  // the later code
  const std::string text = writeListing(r, "test.asm");
  EXPECT_TRUE(text.ends_with("ASSEMBLY COMPLETE, 0 ERRORS FOUND\r\n"));
  EXPECT_NE(text.find("*** VAROV\xC1N\xCD na \xF8\xE1"
                      "dku 5: "),
            std::string::npos);
}

TEST(Listing, SpeaksTheSourcesEncoding) {
  const std::string message = "nedefinovaný symbol X";
  // Windows-1250 for a source in it, and for plain ASCII; the source's own
  // bytes unchanged either way.
  for (const std::string source : {"; \xE8"
                                   "e\x9A"
                                   "t\x9A"
                                   "ina\nDB X\n",
                                   "DB X\n"}) {
    const std::string text = listingOf(source);
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(text.find("nedefinovan\xFD symbol X"), std::string::npos);
    EXPECT_NE(text.find(source.substr(0, source.find('\n'))), std::string::npos);
  }
  // UTF-8, with a byte-order mark, for a UTF-8 source.
  const std::string utf8 = listingOf("; čeština\nDB X\n");
  EXPECT_TRUE(utf8.starts_with("\xEF\xBB\xBFTamrill"));
  EXPECT_NE(utf8.find(message), std::string::npos);
  // Bytes that only look like UTF-8 (an overlong form, a surrogate) do not make it so.
  for (const char* bad : {"; \xC0\xAF\nDB X\n", "; \xED\xA0\x80\nDB X\n", "; \xC3\nDB X\n"})
    EXPECT_EQ(assembleText(bad).encoding, TextEncoding::Windows1250) << bad;
  EXPECT_EQ(sourceEncoding("\xEF\xBB\xBFNOP\n"), TextEncoding::Utf8);
}

TEST(Listing, Windows1250ConvertsBothWays) {
  // Every byte survives the way to UTF-8 and back.
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string utf8;
  appendSourceText(utf8, all, TextEncoding::Windows1250, TextEncoding::Utf8);
  std::string back;
  appendOwnText(back, utf8, TextEncoding::Windows1250);
  EXPECT_EQ(back, all);
  std::string some;
  appendOwnText(some, "ř – €, → \xFF", TextEncoding::Windows1250);
  EXPECT_EQ(some, "\xF8 \x96 \x80, ? ?");  // no arrow in it, and a stray byte is no character
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

TEST(Listing, StreamedInChunksAsWhenCollected) {
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
  EXPECT_EQ(chunksBeforeFinish, 0u);  // the list of errors, known only at the end, comes first
  EXPECT_GE(chunks.size(), 2u);
  const AssemblyResult collected = assemble("test.asm", std::string_view(source), reader);
  EXPECT_EQ(whole, writeListing(collected, "test.asm"));
  EXPECT_EQ(whole.find("N\xE1zev: Late title\r\n"), whole.find("N\xE1zev:"));
  EXPECT_LT(whole.find("N\xE1zev: Late title\r\n"), whole.find("MOV A,#K"));
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
