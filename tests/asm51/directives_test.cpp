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
  const AssemblyResult start = assembleText("START: SJMP START\nEND START\nNOP\n");
  EXPECT_EQ(start.errorCount(), 0);
  EXPECT_EQ(bytesAt(start, 0, 4), (Bytes{0x80, 0xFE}));
  EXPECT_EQ(errorCodes(assembleText("END NOWHERE\n")), std::vector{ErrorCode::UndefinedSymbol});
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

namespace asm51::test {
namespace {

std::vector<std::string> listedTexts(const AssemblyResult& r) {
  std::vector<std::string> texts;
  for (const ListedLine& line : r.listing) texts.emplace_back(line.text);
  return texts;
}

TEST(Language, PredefinedRegisterNamesGiveWayToTheSourcesOwn) {
  const AssemblyResult r = assembleText(
      "RESET: MOV P1,#0FFH\n"  // vector names are the source's own labels
      "TIMER0: SETB EA\n"
      "MOV C,ACC.7\n"
      "CY EQU 20H.0\n"  // takes the place of PSW.7, no duplicate
      "SETB CY\n"
      "IE: NOP\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 10), (Bytes{0x75, 0x90, 0xFF, 0xD2, 0xAF, 0xA2, 0xE7, 0xD2, 0x00, 0x00}));
  EXPECT_EQ(findSymbol(r, "P1"), nullptr);  // predefined names stay out of the table
  EXPECT_EQ(findSymbol(r, "CY")->value, 0);
  EXPECT_EQ(findSymbol(r, "IE")->type, SymbolType::Code);
  EXPECT_EQ(listedTexts(r).size(), 6u);
  // A jump to a label named like a register bit further down takes the long
  // form, as any forward jump does, and reaches the label.
  const AssemblyResult ahead = assembleText("JMP RI\nORG 100H\nRI: NOP\n");
  EXPECT_EQ(ahead.errorCount(), 0);
  EXPECT_EQ(bytesAt(ahead, 0, 3), (Bytes{0x02, 0x01, 0x00}));
  // Every name of mod51 is predefined with mod51's value.
  const AssemblyResult all = assembleText(readFile(std::string(ASM51_TOOL_DIR) + "/mod51"));
  EXPECT_EQ(all.errorCount(), 0);
  for (const SymbolEntry& s : all.symbols) {
    const AssemblyResult use = assembleText("DB " + s.name + "\n");
    EXPECT_EQ(bytesAt(use, 0, 1), (Bytes{static_cast<std::uint8_t>(s.value)})) << s.name;
  }
}

TEST(Language, ConditionalAssemblySkipsLinesUnchecked) {
  const AssemblyResult r = assembleText(
      "DEBUG EQU 1\n"
      "IF DEBUG\n"
      "  IF DEBUG GT 1\n"
      "    DB 1\n"
      "  ELSEIF DEBUG = 1\n"
      "    DB 2\n"
      "  ELSE\n"
      "    DB 3\n"
      "  ENDIF\n"
      "ELSE\n"
      "  this is not @ code\n"
      "  IF\n"
      "  ENDIF\n"
      "ENDIF\n"
      "IFDEF DEBUG\n DB 4\nENDIF\n"
      "IFNDEF DEBUG\n DB 5\nELSE\n DB 6\nENDIF\n"
      "IFDEF LATER\n DB 7\nENDIF\n"  // defined only further down
      "LATER: NOP\n"
      "IF LATE EQ 2\n DB 8\nENDIF\n"  // a constant from further down
      "IFN LATE\n DB 9\nENDIF\n"
      "LATE EQU 2\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 6), (Bytes{2, 4, 6, 0x00, 8}));
  // Skipped lines are listed, without address or code.
  ASSERT_EQ(r.listing.size(), 33u);
  EXPECT_EQ(r.listing[10].text, "  this is not @ code");
  EXPECT_FALSE(r.listing[10].address);
  EXPECT_EQ(r.listing[10].byteCount, 0u);
}

TEST(Language, ConditionsOnValuesFromFurtherDownTakeTheirFinalValues) {
  // LAB ends at 20H, below 100H: the DS belongs, as assumed.
  const AssemblyResult fits = assembleText("IF LAB < 100H\nDS 20H\nENDIF\nLAB: NOP\nEND\n");
  EXPECT_EQ(fits.errorCount(), 0);
  EXPECT_EQ(findSymbol(fits, "LAB")->value, 0x20);
  // With the DS LAB is 20H and the DS does not belong; without it LAB is 0
  // and it does: no branch is right, and the IF says so, naming LAB.
  const AssemblyResult neither = assembleText("IF LAB < 10H\nDS 20H\nENDIF\nLAB: NOP\nEND\n");
  ASSERT_EQ(errorCodes(neither), std::vector{ErrorCode::ForwardConflict});
  EXPECT_EQ(neither.diagnostics[0].line, 1);
  EXPECT_EQ(neither.diagnostics[0].detail, "LAB");
  // Through definitions that read further down themselves, and in ELSEIF.
  const AssemblyResult chained = assembleText(
      "X EQU Y\nIF X = 7\n DB 1\nELSEIF X = 5\n DB 2\nENDIF\nY EQU Z+1\nZ EQU 4\nEND\n");
  EXPECT_EQ(chained.errorCount(), 0);
  EXPECT_EQ(bytesAt(chained, 0, 2), (Bytes{2}));
  // A label of the source that takes a predefined name's place.
  const AssemblyResult label =
      assembleText("IF RI EQ 3\n DB 1\nELSE\n DB 2\nENDIF\nORG 3\nRI: NOP\nEND\n");
  EXPECT_EQ(label.errorCount(), 0);
  EXPECT_EQ(bytesAt(label, 0, 1), (Bytes{1}));
  // Sizes that depend on the branch settle: the code after the IF and the
  // forward jump over it agree on where END_ lies.
  const AssemblyResult jump =
      assembleText("JMP END_\nIF END_ > 2\n DS 10\nENDIF\nEND_: SJMP $\nEND\n");
  EXPECT_EQ(jump.errorCount(), 0);
  EXPECT_EQ(findSymbol(jump, "END_")->value, 13);
  EXPECT_EQ(bytesAt(jump, 0, 3), (Bytes{0x02, 0x00, 13}));
  // #if and #elif follow the same rule.
  const AssemblyResult cppNeither = assembleText("#if LAB < 10H\nDS 20H\n#endif\nLAB: NOP\nEND\n");
  ASSERT_EQ(errorCodes(cppNeither), std::vector{ErrorCode::ForwardConflict});
  EXPECT_EQ(cppNeither.diagnostics[0].detail, "LAB");
  EXPECT_EQ(cppNeither.diagnostics[0].extra, "#if");
  const AssemblyResult cppFits =
      assembleText("#if 0\n#elif LAB < 100H\nDS 20H\n#endif\nLAB: NOP\nEND\n");
  EXPECT_EQ(cppFits.errorCount(), 0);
  EXPECT_EQ(findSymbol(cppFits, "LAB")->value, 0x20);
  // A name defined nowhere reads as 0 in the first pass as in the second.
  const AssemblyResult nowhere = assembleText("#if !NOWHERE\nDB 1\n#endif\nEND\n");
  EXPECT_EQ(nowhere.errorCount(), 0);
  EXPECT_EQ(bytesAt(nowhere, 0, 2), (Bytes{1}));
}

TEST(Language, MacrosExpandWithParametersLocalLabelsAndExitm) {
  const AssemblyResult r = assembleText(
      "WAIT MACRO COUNT, REG\n"
      "  LOCAL AGAIN\n"
      "  MOV REG,#COUNT\n"
      "AGAIN: DJNZ REG,AGAIN\n"
      "ENDM\n"
      "PUT MACRO V\n"
      "  IF V EQ 0\n"
      "    EXITM\n"
      "  ENDIF\n"
      "  MOV A,#V ; V here, 'V' there\n"
      "  DB 'V', V&0H\n"
      "ENDM\n"
      "START: WAIT 10, R7\n"
      "  WAIT <3>, R6\n"
      "  PUT 0\n"
      "  PUT 5\n"
      "  REPT 2\n"
      "  INC A\n"
      "  ENDM\n"
      "  SJMP START\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 17), (Bytes{0x7F, 10, 0xDF, 0xFE, 0x7E, 3, 0xDE, 0xFE, 0x74, 5, 'V', 0x50,
                                      0x04, 0x04, 0x80, 0xF0}));
  EXPECT_EQ(findSymbol(r, "START")->value, 0);
  // Expansions are listed under their call, marked as such.
  std::vector<std::string> expanded;
  for (const ListedLine& line : r.listing)
    if (line.expansion) expanded.emplace_back(line.text);
  EXPECT_EQ(expanded, (std::vector<std::string>{
                          "  MOV R7,#10", "??1_AGAIN: DJNZ R7,??1_AGAIN", "  MOV R6,#3",
                          "??2_AGAIN: DJNZ R6,??2_AGAIN", "  IF 0 EQ 0", "    EXITM", "  IF 5 EQ 0",
                          "    EXITM", "  ENDIF", "  MOV A,#5 ; V here, 'V' there", "  DB 'V', 50H",
                          "  INC A", "  INC A"}));
}

TEST(Language, LabelsControlsAndOrgAsClassicSourcesWriteThem) {
  const AssemblyResult r = assembleText(
      "NAME demo\n"
      "MAIN\n"           // a label alone in column 1
      "LOOP MOV A,#1\n"  // and before an instruction
      "  NOLIST\n"
      "  NOP\n"
      "  LIST\n"
      "  ORG 100H\n"
      "  DB 1\n"
      "  ORG 3\n"  // back below the current address
      "  SJMP LOOP\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(findSymbol(r, "MAIN")->value, 0);
  EXPECT_EQ(findSymbol(r, "LOOP")->value, 0);
  EXPECT_EQ(bytesAt(r, 0, 6), (Bytes{0x74, 0x01, 0x00, 0x80, 0xFB}));
  EXPECT_EQ(listedTexts(r).size(), 8u);  // NOP hidden
}

}  // namespace
}  // namespace asm51::test

namespace asm51::test {
namespace {

std::vector<std::string> listingTexts(const AssemblyResult& r) {
  std::vector<std::string> texts;
  for (const ListedLine& line : r.listing) texts.emplace_back(line.text);
  return texts;
}

TEST(Preprocessor, CommentsGoButTheListingKeepsThemAsWritten) {
  const std::string source =
      "// a whole line\n"
      "MOV A,#1 // after code\n"
      "DB '//', \"/*\" /* in a line */, 2\n"
      "/* across\n"
      "   MOV A,#99 lines */ DB 3\n"
      "DB 4 ; a /* after ';' opens nothing\n"
      "DB 10/2, 4 / 2\n"
      "ANL C,/ACC.1\n";
  const AssemblyResult r = assembleText(source);
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 14), (Bytes{0x74, 1, '/', '/', '/', '*', 2, 3, 4, 5, 2, 0xB0, 0xE1}));
  EXPECT_EQ(listingTexts(r),
            (std::vector<std::string>{
                "// a whole line", "MOV A,#1 // after code", "DB '//', \"/*\" /* in a line */, 2",
                "/* across", "   MOV A,#99 lines */ DB 3", "DB 4 ; a /* after ';' opens nothing",
                "DB 10/2, 4 / 2", "ANL C,/ACC.1"}));
  EXPECT_FALSE(r.listing[3].address);
}

TEST(Preprocessor, DefinesReplaceNamesOutsideStringsCommentsAndControls) {
  const AssemblyResult r = assembleText(
      "#define LED P1.0\n"
      "#define COUNT 200 ; loops\n"             // the ';' comment is no part of it
      "#define DOUBLE(x, y) ((x) + (y)) * 2\n"  // with parameters
      "#define LOAD(r, v) MOV r,#v\n"           // '#' stays an immediate
      "#define TWICE COUNT+COUNT\n"             // replaced again in what it becomes
      "#define LOOP LOOP\n"                     // but never inside itself
      "#define inc.h other.h\n"
      "LOOP: CPL LED\n"
      "  MOV R7,#COUNT+1\n"
      "  MOV A,#DOUBLE(1, 2)\n"
      "  LOAD(R2, 5)\n"
      "  DB 'COUNT', count, LOW(TWICE) ; COUNT\n"
      "$TITLE(COUNT inc.h)\n"
      "#undef COUNT\n"
      "count EQU 9\n"
      "  SJMP LOOP\n"
      "  DB DOUBLE\n");  // a macro with parameters needs them
  ASSERT_EQ(errorCodes(r), std::vector{ErrorCode::UndefinedSymbol});
  EXPECT_EQ(r.diagnostics[0].line, 17);
  EXPECT_EQ(bytesAt(r, 0, 19), (Bytes{0xB2, 0x90, 0x7F, 201, 0x74, 6, 0x7A, 5, 'C', 'O', 'U', 'N',
                                      'T', 9, 0x90, 0x80, 0xEF, 0}));
  EXPECT_EQ(r.title, "COUNT inc.h");
}

TEST(Preprocessor, ConditionsReadDefinesAndSymbolsAndSkipLinesUnread) {
  const AssemblyResult r = assembleText(
      "#define MODEL 2\n"
      "#define FAST\n"
      "#if MODEL == 2 && defined(FAST) && !defined SLOW\n"
      "  DB 1\n"
      "#elif 1\n"
      "  DB 99\n"
      "#else\n"
      "  not @ code\n"
      "#endif\n"
      "#ifdef SLOW\n"
      "  #if garbage (\n"  // not read inside a left-out branch
      "  #define MODEL 5\n"
      "  #error not here\n"
      "  #endif\n"
      "#elif MODEL != 2 || BASE < LIMIT\n"  // assembler symbols, one defined further down
      "  DB 2\n"
      "#endif\n"
      "#ifndef FAST\n DB 98\n#else\n DB MODEL\n#endif\n"
      "#if NOWHERE\n DB 97\n#endif\n"  // a name defined nowhere reads as 0, as in C
      "BASE EQU 10\n"
      "LIMIT EQU 20\n"
      "#if 0\n/* a comment opened in a left-out line\n#endif\n*/\n#endif\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 4), (Bytes{1, 2, 2}));
  EXPECT_EQ(r.listing.size(), 32u);
  EXPECT_EQ(r.listing[7].text, "  not @ code");
  EXPECT_FALSE(r.listing[7].address);
}

TEST(Preprocessor, IncludesReadFilesAndKeepTheirDefinitions) {
  const AssemblyResult r = assembleText(
      "#include \"defs.h\"\n"
      "#include <more.h> // comment\n"
      "  DB VALUE, OTHER\n",
      {{"defs.h", "#define VALUE 5\n"}, {"more.h", "OTHER EQU VALUE+1\n"}});
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 3), (Bytes{5, 6}));
  ASSERT_EQ(r.listing.size(), 5u);
  EXPECT_EQ(r.listing[1].depth, 1);
  EXPECT_EQ(r.listing[3].depth, 1);
}

TEST(Preprocessor, RegisterFilesAreBuiltInUnlessTheFolderHasOne) {
  const AssemblyResult r = assembleText(
      "$NOMOD51\n"
      "$INCLUDE (REG52.INC)\n"
      "#include <reg52.inc>\n"  // twice does no harm
      "  MOV T2CON,#4\n"
      "  SETB ET2\n"
      "  MOV P1,#0\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 8), (Bytes{0x75, 0xC8, 4, 0xD2, 0xAD, 0x75, 0x90, 0}));
  // Its lines are not listed, nor its names in the symbol table.
  EXPECT_EQ(r.listing.size(), 6u);
  EXPECT_TRUE(r.symbols.empty());

  const AssemblyResult at89 = assembleText(
      "$INCLUDE (at89x52.inc)\nMOV AUXR,#1\nMOV AUXR1,#1\nMOV WDTRST,#1EH\nMOV DP1L,#0\n"
      "MOV DP1H,#0\nMOV T2MOD,#0\nMOV RCAP2H,#0\n");
  ASSERT_EQ(at89.errorCount(), 0);
  EXPECT_EQ(bytesAt(at89, 0, 21),
            (Bytes{0x75, 0x8E, 1,    0x75, 0xA2, 1,    0x75, 0xA6, 0x1E, 0x75, 0x84,
                   0,    0x75, 0x85, 0,    0x75, 0xC9, 0,    0x75, 0xCB, 0}));
  // The 8051's own lacks the 8052's registers; a file of that name in the folder wins.
  EXPECT_EQ(errorCodes(assembleText("$NOMOD51\n#include \"8051.MCU\"\nMOV TL2,#1\n")),
            std::vector{ErrorCode::UndefinedSymbol});
  const AssemblyResult own =
      assembleText("$INCLUDE (REG52.INC)\nDB MINE\n", {{"REG52.INC", "MINE EQU 7\n"}});
  EXPECT_EQ(own.errorCount(), 0);
  EXPECT_EQ(bytesAt(own, 0, 1), Bytes{7});
}

TEST(Preprocessor, TextAsEditorsSaveIt) {
  // A byte-order mark, no-break spaces in UTF-8 and in Windows-1250, a
  // Ctrl-Z at the end, no line end after the last line.
  const AssemblyResult r = assembleText(
      "\xEF\xBB\xBF"
      "START:\xC2\xA0MOV\xA0"
      "A,#1\n"
      "\xC2\xA0\xC2\xA0$INCLUDE\xA0(defs.inc)\n"
      "\xA0#define\xA0X 3\n"
      "X1 DB X\n"
      "\tSJMP START\x1A"
      "garbage after the end\n",
      {{"defs.inc",
        "\xEF\xBB\xBF"
        "DB 2"}});
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(r.encoding, TextEncoding::Utf8);
  EXPECT_EQ(bytesAt(r, 0, 8), (Bytes{0x74, 1, 2, 3, 0x80, 0xFA}));
  EXPECT_EQ(r.listing.front().text,
            "START:\xC2\xA0MOV\xA0"
            "A,#1");
  EXPECT_EQ(r.listing.back().text, "\tSJMP START");
  EXPECT_EQ(assembleText("NOP\n").encoding, TextEncoding::Windows1250);
  // So it is after a macro's name and around its arguments.
  const AssemblyResult calls =
      assembleText("M MACRO\nNOP\nENDM\nN MACRO X\nDB X\nENDM\nM\xC2\xA0\nN\xA0<5>\xA0\nEND\n");
  EXPECT_EQ(calls.errorCount(), 0);
  EXPECT_EQ(bytesAt(calls, 0, 3), (Bytes{0, 5}));
}

}  // namespace
}  // namespace asm51::test
