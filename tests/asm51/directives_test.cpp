#include <gtest/gtest.h>

#include "support.h"

namespace asm51::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

const SymbolEntry* findSymbol(const AssemblyResult& r, std::string_view name) {
  for (const SymbolEntry& s : r.symbols)
    if (s.name == name) return &s;
  return nullptr;
}

TEST(Directives, DataDefinitions) {
  const AssemblyResult r = assembleText(
      "ORG 10H\n"
      "T: DB 'Hi', 0, 'A'+1, -1, 'it''s'\n"
      "DW 1234H, T, 'AB'\n"
      "DS 3\n"
      "DB 77H\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0x10, 9), (Bytes{'H', 'i', 0x00, 'B', 0xFF, 'i', 't', '\'', 's'}));
  EXPECT_EQ(bytesAt(r, 0x19, 6), (Bytes{0x12, 0x34, 0x00, 0x10, 'A', 'B'}));
  EXPECT_FALSE(r.image.used(0x1F));
  EXPECT_EQ(bytesAt(r, 0x22, 1), (Bytes{0x77}));
}

TEST(Directives, SymbolKindsAndValues) {
  const AssemblyResult r = assembleText(
      "$MOD51\n"
      "COUNT EQU 10\n"
      "LED BIT P1.0\n"
      "FLAG BIT 2FH\n"
      "VAR DATA 30H\n"
      "PTR IDATA 90H\n"
      "BUF XDATA 1000H\n"
      "ENTRY CODE 0800H\n"
      "N SET 1\n"
      "MOV A,#N\n"
      "N SET N+1\n"
      "MOV A,#N\n"
      "LATE EQU EARLY+1\n"
      "EARLY EQU 2\n"
      "MOV A,#LATE\n");
  ASSERT_EQ(r.errorCount(), 0);
  struct Expect {
    const char* name;
    SymbolType type;
    std::uint16_t value;
  };
  for (const Expect& e :
       {Expect{"COUNT", SymbolType::Number, 10}, Expect{"LED", SymbolType::Bit, 0x90},
        Expect{"FLAG", SymbolType::Bit, 0x2F}, Expect{"VAR", SymbolType::Data, 0x30},
        Expect{"PTR", SymbolType::Idata, 0x90}, Expect{"BUF", SymbolType::Xdata, 0x1000},
        Expect{"ENTRY", SymbolType::Code, 0x800}, Expect{"N", SymbolType::Set, 2},
        Expect{"LATE", SymbolType::Number, 3}}) {
    const SymbolEntry* s = findSymbol(r, e.name);
    ASSERT_NE(s, nullptr) << e.name;
    EXPECT_EQ(s->type, e.type) << e.name;
    EXPECT_EQ(s->value, e.value) << e.name;
  }
  EXPECT_EQ(bytesAt(r, 0, 6), (Bytes{0x74, 0x01, 0x74, 0x02, 0x74, 0x03}));
  // Symbols from the register file stay out of the table.
  EXPECT_EQ(findSymbol(r, "P1"), nullptr);
}

TEST(Directives, SegmentsKeepTheirOwnCounters) {
  const AssemblyResult r = assembleText(
      "DSEG AT 30H\n"
      "V1: DS 2\n"
      "V2: DS 1\n"
      "BSEG AT 8\n"
      "F1: DBIT 1\n"
      "F2: DBIT 1\n"
      "XSEG AT 1000H\n"
      "X1: DS 100H\n"
      "X2: DS 1\n"
      "ISEG AT 80H\n"
      "STACK: DS 20H\n"
      "CSEG AT 100H\n"
      "START: MOV V2,#F2\n"
      "DSEG\n"
      "V3: DS 1\n"
      "CSEG\n"
      "NEXT: NOP\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(findSymbol(r, "V1")->value, 0x30);
  EXPECT_EQ(findSymbol(r, "V2")->value, 0x32);
  EXPECT_EQ(findSymbol(r, "V2")->type, SymbolType::Data);
  EXPECT_EQ(findSymbol(r, "V3")->value, 0x33);
  EXPECT_EQ(findSymbol(r, "F2")->value, 9);
  EXPECT_EQ(findSymbol(r, "F2")->type, SymbolType::Bit);
  EXPECT_EQ(findSymbol(r, "X2")->value, 0x1100);
  EXPECT_EQ(findSymbol(r, "X2")->type, SymbolType::Xdata);
  EXPECT_EQ(findSymbol(r, "STACK")->type, SymbolType::Idata);
  EXPECT_EQ(findSymbol(r, "NEXT")->value, 0x103);
  EXPECT_EQ(bytesAt(r, 0x100, 4), (Bytes{0x75, 0x32, 0x09, 0x00}));
}

TEST(Directives, EndStopsTheSource) {
  const AssemblyResult r = assembleText("NOP\nEND\nthis is not assembled\nNOP\n");
  EXPECT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 4), (Bytes{0x00}));
  EXPECT_EQ(r.listing.size(), 2u);
}

TEST(Controls, IncludeFilesNestAndNumberTheirOwnLines) {
  const AssemblyResult r = assembleText(
      "$INCLUDE(defs.inc)\nMOV A,#VALUE\nEND\n",
      {{"defs.inc", "; defs\nVALUE EQU 42\n$INCLUDE (more.inc)\n"}, {"more.inc", "DB VALUE\n"}});
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 3), (Bytes{42, 0x74, 42}));
  ASSERT_EQ(r.listing.size(), 7u);
  std::vector<std::pair<int, int>> lineAndDepth;
  for (const ListedLine& line : r.listing) lineAndDepth.emplace_back(line.line, line.depth);
  EXPECT_EQ(lineAndDepth, (std::vector<std::pair<int, int>>{
                              {1, 0}, {1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 0}, {3, 0}}));
}

TEST(Controls, RegisterFilesAreReadOnDemand) {
  EXPECT_EQ(assembleText("$MOD52\nMOV T2CON,#4\n").errorCount(), 0);
  EXPECT_EQ(errorCodes(assembleText("$MOD51\nMOV T2CON,#4\n")),
            std::vector{ErrorCode::UndefinedSymbol});
  EXPECT_EQ(errorCodes(assembleText("$NOMOD\nMOV P1,#4\n")),
            std::vector{ErrorCode::UndefinedSymbol});
  EXPECT_EQ(errorCodes(assembleText("$NOMOD51\nSETB EA\n")),
            std::vector{ErrorCode::UndefinedSymbol});
  EXPECT_EQ(assembleText("$NOMOD\nP1 DATA 90H\nMOV P1,#4\n").errorCount(), 0);
  // Any letter case, and a second register file is not read again.
  EXPECT_EQ(assembleText("$mod51\n$MOD51\nSETB EA\n").errorCount(), 0);
}

TEST(Controls, ListingControls) {
  const AssemblyResult r = assembleText(
      "$TITLE(Demo program) PAGELENGTH(60)\n"
      "$NOLIST\n"
      "NOP\n"
      "MOV A,#UNDEFINED\n"
      "$LIST\n"
      "$PAGEWIDTH(120) NOPAGING EJECT DATE(1.1.2024) XREF\n"
      "RET\n"
      "$NOSYMBOLS\n");
  EXPECT_EQ(r.title, "Demo program");
  EXPECT_FALSE(r.listSymbols);
  ASSERT_EQ(r.errorCount(), 1);
  std::vector<std::string> texts;
  for (const ListedLine& line : r.listing) texts.emplace_back(line.text);
  // Hidden lines stay hidden unless they carry an error.
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "$TITLE(Demo program) PAGELENGTH(60)", "MOV A,#UNDEFINED", "$LIST",
                       "$PAGEWIDTH(120) NOPAGING EJECT DATE(1.1.2024) XREF", "RET", "$NOSYMBOLS"}));
}

}  // namespace
}  // namespace asm51::test
