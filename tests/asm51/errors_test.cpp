#include <gtest/gtest.h>

#include <chrono>

#include "support.h"

namespace asm51::test {
namespace {

struct ErrorCase {
  const char* name;
  const char* source;
  ErrorCode code;
  int line;
};

// Each source has exactly one fault, on the given line.
const ErrorCase kCases[] = {
    {"undefined symbol", "NOP\nLJMP NOWHERE\n", ErrorCode::UndefinedSymbol, 2},
    {"undefined in data", "DB 1, MISSING\n", ErrorCode::UndefinedSymbol, 1},
    {"duplicate label", "L1: NOP\nL1: NOP\n", ErrorCode::DuplicateSymbol, 2},
    {"label and EQU clash", "X EQU 1\nX: NOP\n", ErrorCode::DuplicateSymbol, 2},
    {"EQU redefined by SET", "X EQU 1\nX SET 2\n", ErrorCode::DuplicateSymbol, 2},
    {"branch too far ahead", "SJMP FAR\nORG 100H\nFAR: NOP\n", ErrorCode::BranchOutOfRange, 1},
    {"branch too far back", "BACK: NOP\nORG 90H\nDJNZ R0,BACK\n", ErrorCode::BranchOutOfRange, 3},
    {"conditional branch too far", "JB 20H.0,$+3+128\n", ErrorCode::BranchOutOfRange, 1},
    {"ajmp to another page", "AJMP 800H\n", ErrorCode::PageOutOfRange, 1},
    {"acall across page end", "ORG 7FEH\nACALL 7F0H\n", ErrorCode::CallPageOutOfRange, 2},
    {"indirect through R2", "MOV @R2,A\n", ErrorCode::IndirectRegister, 1},
    {"bad operand", "INC C\n", ErrorCode::BadOperand, 1},
    {"operands that do not go together", "MOV @R0,@R1\n", ErrorCode::OperandCombination, 1},
    {"register that does not exist", "MOV A,R8\n", ErrorCode::NotARegister, 1},
    {"indirect register that does not exist", "MOV @R9,A\n", ErrorCode::NotARegister, 1},
    {"too many operands", "NOP A\n", ErrorCode::OperandCount, 1},
    {"missing operand", "MOV A,\n", ErrorCode::MissingOperand, 1},
    {"wrong operand kind", "JMP A\n", ErrorCode::BadOperand, 1},
    {"register as value", "MOV A,#R0\n", ErrorCode::RegisterAsValue, 1},
    {"immediate too large", "MOV A,#100H\n", ErrorCode::ValueOutOfRange, 1},
    {"direct address too large", "MOV 100H,A\n", ErrorCode::AddressOutOfRange, 1},
    {"bit address too large", "SETB 100H\n", ErrorCode::BitAddressOutOfRange, 1},
    {"byte too large", "DB 300\n", ErrorCode::ValueOutOfRange, 1},
    {"DATA beyond 0FFH", "X DATA 100H\n", ErrorCode::DefinitionOutOfRange, 1},
    {"bank beyond 3", "USING 4\n", ErrorCode::BankOutOfRange, 1},
    {"bit number beyond 7", "SETB 20H.8\n", ErrorCode::BitNumberOutOfRange, 1},
    {"byte not bit-addressable", "CLR 30H.1\n", ErrorCode::NotBitAddressable, 1},
    {"code beyond 64 KiB", "ORG 0FFFEH\nNOP\nMOV A,#1\n", ErrorCode::CodeBeyond64K, 3},
    {"data beyond 64 KiB", "ORG 0FFFFH\nDB 1, 2\n", ErrorCode::CodeBeyond64K, 2},
    {"unknown instruction", "MOVE A,B\n", ErrorCode::UnknownInstruction, 1},
    {"reserved word as label", "MOV: NOP\n", ErrorCode::ReservedWord, 1},
    {"register name as symbol", "R3 EQU 5\n", ErrorCode::ReservedWord, 1},
    {"register alias as a value", "CNT EQU R3\nMOV A,#CNT\n", ErrorCode::RegisterAsValue, 2},
    {"register alias before its line", "MOV CNT,A\nCNT EQU R3\n", ErrorCode::RegisterAsValue, 1},
    {"indirect through R2..R7 alias", "P EQU R3\nMOV A,@P\n", ErrorCode::IndirectRegister, 2},
    {"register alias redefined", "P EQU R3\nP EQU R4\n", ErrorCode::DuplicateSymbol, 2},
    {"bad number", "MOV A,#19O\n", ErrorCode::BadNumber, 1},
    {"division by zero", "X EQU 5/0\n", ErrorCode::DivisionByZero, 1},
    {"syntax", "MOV A,#(1+\n", ErrorCode::IncompleteExpression, 1},
    {"unterminated string", "DB 'abc\n", ErrorCode::UnterminatedString, 1},
    {"unterminated string first", "\"abc\n", ErrorCode::UnterminatedString, 1},
    {"stray token", "NOP\n:\n", ErrorCode::Syntax, 2},
    {"ORG before its value is known", "ORG LATER\nLATER EQU 10H\n", ErrorCode::ForwardReference, 1},
    {"instruction in a data segment", "DSEG AT 30H\nNOP\n", ErrorCode::WrongSegment, 2},
    {"DB in a bit segment", "BSEG\nDB 1\n", ErrorCode::WrongSegment, 2},
    {"DBIT outside the bit segment", "DBIT 1\n", ErrorCode::WrongSegmentForBits, 1},
    {"ENDIF without IF", "NOP\nENDIF\n", ErrorCode::UnbalancedConditional, 2},
    {"second ELSE", "IF 1\nELSE\nELSE\nENDIF\n", ErrorCode::SecondElse, 3},
    {"IF never closed", "IF 1\nNOP\n", ErrorCode::UnclosedIf, 2},
    {"IF on an undefined name", "IF NOWHERE\nENDIF\n", ErrorCode::UndefinedSymbol, 1},
    {"MACRO never closed", "M MACRO\nNOP\n", ErrorCode::UnterminatedBlock, 2},
    {"macro defined twice", "M MACRO\nENDM\nM MACRO\nENDM\n", ErrorCode::DuplicateMacro, 4},
    {"EXITM outside a macro", "EXITM\n", ErrorCode::ExitmOutsideMacro, 1},
    {"value from definitions further down", "X EQU Y\nY EQU Z\nZ EQU 1\n", ErrorCode::ValueTooLate,
     1},
    {"modules for a linker", "EXTRN CODE(PUTC)\nPUBLIC MAIN\nRSEG CODESEG\nMAIN: CALL PUTC\n",
     ErrorCode::LinkingUnsupported, 1},
    {"data segment for a linker",
     "VARS SEGMENT DATA\nORG 200H\nRSEG VARS\nX: DS 1\nCSEG\nMOV X,#1\n",
     ErrorCode::LinkingUnsupported, 1},
    {"macro named like an instruction", "MOV MACRO\n BAD\nENDM\nMOV A,R0\n",
     ErrorCode::ReservedWord, 1},
    {"unknown directive", "NOP\n#defne X 1\n", ErrorCode::UnknownDirective, 2},
    {"#if never closed", "#if 1\nNOP\n", ErrorCode::UnclosedDirective, 2},
    {"#endif without #if", "NOP\n#endif\n", ErrorCode::UnbalancedDirective, 2},
    {"#else after #else", "#if 0\n#else\n#elif 1\n#endif\n", ErrorCode::DirectiveAfterElse, 3},
    {"comment never closed", "NOP /* open\nNOP\n", ErrorCode::UnterminatedComment, 2},
    {"#error", "#ifndef CLOCK\n#error CLOCK missing\n#endif\n", ErrorCode::ErrorDirective, 2},
    {"#define without a name", "#define 5 6\n", ErrorCode::MissingMacroName, 1},
    {"#ifdef without a name", "#ifdef\n#endif\n", ErrorCode::MissingMacroName, 1},
    {"#include without quotes", "#include defs.inc\n", ErrorCode::BadIncludeName, 1},
    {"#include without a name", "#include <>\n", ErrorCode::MissingIncludeName, 1},
    {"parameters never closed", "#define F(a, b\n", ErrorCode::BadParameterList, 1},
    {"#if without a condition", "#if\n#endif\n", ErrorCode::MissingCondition, 1},
    {"too few arguments", "#define F(a,b) a+b\nDB F(1)\n", ErrorCode::BadMacroCall, 2},
    {"arguments never closed", "#define F(a) a\nDB F(1\n", ErrorCode::BadMacroCall, 2},
};

TEST(Errors, EachClassIsReportedOnItsLine) {
  for (const ErrorCase& c : kCases) {
    const AssemblyResult r = assembleText(c.source);
    ASSERT_EQ(r.errorCount(), 1) << c.name;
    EXPECT_EQ(r.diagnostics[0].code, c.code) << c.name;
    EXPECT_EQ(r.diagnostics[0].line, c.line) << c.name;
    EXPECT_FALSE(r.fatal) << c.name;
    // The message names what it is about.
    const Diagnostic& d = r.diagnostics[0];
    if (!d.detail.empty()) {
      EXPECT_NE(messageText(d).find(d.detail), std::string::npos) << c.name;
    }
    // The error is listed under its own line.
    bool attached = false;
    for (const ListedLine& line : r.listing)
      if (line.line == c.line && line.diagnostics == std::vector<std::size_t>{0}) attached = true;
    EXPECT_TRUE(attached) << c.name;
    // Also an error reported after the last line lists each byte once.
    std::size_t listedBytes = 0;
    for (const ListedLine& line : r.listing) listedBytes += line.byteCount;
    EXPECT_EQ(listedBytes, r.objectBytes.size()) << c.name;
  }
}

TEST(Errors, AssemblyGoesOnAfterAnError) {
  const AssemblyResult r =
      assembleText("MOV A,#UNKNOWN1\nNOP\nMOV A,#300H\nL: SJMP L\nLJMP UNKNOWN2\n");
  EXPECT_EQ(errorCodes(r), (std::vector{ErrorCode::UndefinedSymbol, ErrorCode::ValueOutOfRange,
                                        ErrorCode::UndefinedSymbol}));
  // Later lines still get their addresses and code.
  EXPECT_EQ(bytesAt(r, 2, 1), std::vector<std::uint8_t>{0x00});
  EXPECT_EQ(bytesAt(r, 5, 2), (std::vector<std::uint8_t>{0x80, 0xFE}));
  EXPECT_EQ(r.diagnostics[0].detail, "UNKNOWN1");
}

TEST(Errors, MissingIncludeIsFatal) {
  const AssemblyResult r = assembleText("NOP\n$INCLUDE(absent.inc)\nMOV A,#UNDEFINED\n");
  EXPECT_TRUE(r.fatal);
  ASSERT_EQ(r.errorCount(), 1);
  EXPECT_EQ(r.diagnostics[0].code, ErrorCode::MissingInclude);
  EXPECT_EQ(r.diagnostics[0].detail, "absent.inc");
  EXPECT_EQ(r.diagnostics[0].line, 2);
  EXPECT_EQ(r.listing.size(), 2u);
}

TEST(Errors, MissingRegisterFileIsFatal) {
  const AssemblyResult r = assembleText("$MOD99\nNOP\n");
  EXPECT_TRUE(r.fatal);
  EXPECT_EQ(errorCodes(r), std::vector{ErrorCode::MissingModFile});
  EXPECT_EQ(r.diagnostics[0].detail, "mod99");
}

TEST(Errors, IncludesCannotRecurseForever) {
  const AssemblyResult self =
      assembleText("$INCLUDE(self.inc)\n", {{"self.inc", "NOP\n$INCLUDE(self.inc)\n"}});
  EXPECT_TRUE(self.fatal);
  EXPECT_EQ(errorCodes(self), std::vector{ErrorCode::IncludeTooDeep});
  EXPECT_EQ(bytesAt(self, 0, 100).size(), static_cast<std::size_t>(kMaxIncludeDepth));

  // Wide fan-out is bounded too, not only depth.
  const AssemblyResult wide = assembleText("$INCLUDE(a)\n", {{"a", "$INCLUDE(b) INCLUDE(b)\n"},
                                                             {"b", "$INCLUDE(c) INCLUDE(c)\n"},
                                                             {"c", "$INCLUDE(d) INCLUDE(d)\n"},
                                                             {"d", "$INCLUDE(e) INCLUDE(e)\n"},
                                                             {"e", "$INCLUDE(f) INCLUDE(f)\n"},
                                                             {"f", "$INCLUDE(g) INCLUDE(g)\n"},
                                                             {"g", "$INCLUDE(h) INCLUDE(h)\n"},
                                                             {"h", "NOP\n"}});
  EXPECT_TRUE(wide.fatal);
  EXPECT_EQ(errorCodes(wide), std::vector{ErrorCode::IncludeTooDeep});
}

// Whatever the source, assembly ends in bounded time and memory.
TEST(Errors, RunawaySourcesAreBounded) {
  // A macro that calls itself stops at a fixed depth, once, with its code so far.
  const AssemblyResult self = assembleText("R MACRO\nNOP\nR\nENDM\nR\n");
  EXPECT_EQ(errorCodes(self), std::vector{ErrorCode::MacroTooDeep});
  EXPECT_EQ(bytesAt(self, 0, 100).size(), static_cast<std::size_t>(kMaxMacroDepth));

  // A line that doubles at each level stops at a length limit, not at 2^32.
  const AssemblyResult doubling = assembleText("D MACRO X\nD X X\nENDM\nD 1\n");
  EXPECT_EQ(errorCodes(doubling), std::vector{ErrorCode::LineTooLong});

  // Expansions that multiply end at the line budget, long before 2^32 lines;
  // repetitions of nothing count too.
  const AssemblyResult wide =
      assembleText("$NOLIST\nREPT 0FFFFH\nREPT 0FFFFH\n; nothing\nENDM\nENDM\n");
  EXPECT_TRUE(wide.fatal);
  EXPECT_EQ(errorCodes(wide).back(), ErrorCode::TooManyLines);
  const auto started = std::chrono::steady_clock::now();
  const AssemblyResult empty =
      assembleText("REPT 0FFFFH\nREPT 0FFFFH\nREPT 0FFFFH\nREPT 0FFFFH\nENDM\nENDM\nENDM\nENDM\n");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_TRUE(empty.fatal);
  EXPECT_EQ(errorCodes(empty), std::vector{ErrorCode::TooManyLines});

  // So do long lines repeated, by their length.
  const AssemblyResult longLines =
      assembleText("REPT 60000\n;" + std::string(300, 'x') + "\nENDM\n");
  EXPECT_TRUE(longLines.fatal);
  EXPECT_EQ(errorCodes(longLines), std::vector{ErrorCode::TooManyLines});

  // The location counter stops above 64 KiB instead of wrapping round to 0:
  // 65538 times 0FFFFH is just over 2^32.
  const AssemblyResult far = assembleText(
      "ORG 0FFFFH\nREPT 0FFFFH\nDS 0FFFFH\nENDM\nDS 0FFFFH\nDS 0FFFFH\nDS 0FFFFH\nNOP\n");
  EXPECT_TRUE(far.image.empty());
  EXPECT_FALSE(far.fatal);
  EXPECT_EQ(errorCodes(far), std::vector{ErrorCode::CodeBeyond64K});  // once, not for every line

  // Warnings are bounded too, and never stop assembly.
  const AssemblyResult overwritten = assembleText("REPT 2000\nORG 0\nNOP\nENDM\nEND\n");
  EXPECT_FALSE(overwritten.fatal);
  EXPECT_EQ(overwritten.errorCount(), 0);
  EXPECT_EQ(overwritten.warnings, static_cast<int>(kMaxWarnings));

  // The listing's object bytes are bounded even where ORG rewrites one range
  // again and again; the memory image is still built.
  const AssemblyResult rewritten =
      assembleText("REPT 520\nORG 0\nDB '" + std::string(8190, 'x') + "'\nENDM\n");
  EXPECT_LE(rewritten.objectBytes.size(), kMaxListedBytes);
  EXPECT_EQ(bytesAt(rewritten, 8189, 2), std::vector<std::uint8_t>{'x'});

  // Included text counts by its length: a large file included again and again stops.
  std::string includes;
  for (int n = 0; n < 10; ++n) includes += "$INCLUDE(big.inc)\n#include \"big.inc\"\n";
  const AssemblyResult included =
      assembleText(includes, {{"big.inc", std::string(3'000'000, ';')}});
  EXPECT_TRUE(included.fatal);
  EXPECT_EQ(errorCodes(included), std::vector{ErrorCode::TooManyLines});

  // #define'd names that double at each level stop at the line's length,
  // and those that come to nothing at a bound of work; a chain of them at
  // a depth.
  std::string doubled = "#define D0 1\n#define E0\n";
  std::string chain;
  for (int n = 1; n <= 40; ++n) {
    const std::string k = std::to_string(n), j = std::to_string(n - 1);
    doubled +=
        "#define D" + k + " D" + j + "+D" + j + "\n#define E" + k + " E" + j + " E" + j + "\n";
  }
  for (int n = 0; n < 100; ++n)
    chain += "#define C" + std::to_string(n) + " C" + std::to_string(n + 1) + "\n";
  EXPECT_EQ(errorCodes(assembleText(doubled + "DB D40\n")), std::vector{ErrorCode::LineTooLong});
  EXPECT_EQ(errorCodes(assembleText(doubled + "DB E40 1\n")), std::vector{ErrorCode::LineTooLong});
  EXPECT_EQ(errorCodes(assembleText(chain + "DB C0\n")), std::vector{ErrorCode::DefineTooDeep});
  // Every replacement counts, not only what it brings in: 60 lines that each
  // replace 8191 names end at the pass's budget.
  std::string heavy = doubled;
  for (int n = 0; n < 60; ++n) heavy += "DW D12\n";
  EXPECT_EQ(errorCodes(assembleText(heavy)), std::vector{ErrorCode::TooManyLines});
  // A message shows a shortened expansion, with its value.
  const AssemblyResult shown = assembleText(doubled + "DB D9\n");
  ASSERT_EQ(errorCodes(shown), std::vector{ErrorCode::ValueOutOfRange});
  EXPECT_TRUE(shown.diagnostics[0].detail.ends_with("+... (= 512)"));
  EXPECT_LE(shown.diagnostics[0].detail.size(), 80u);
  std::string calls = "#define F(x) x x x x x x x x\nDB ";
  for (int n = 0; n < 12; ++n) calls += "F(";
  calls += "1" + std::string(12, ')') + "\n";
  EXPECT_EQ(errorCodes(assembleText(calls)), std::vector{ErrorCode::LineTooLong});

  // Errors are counted up to a limit, then one more stops assembly.
  std::string noise;
  for (std::size_t i = 0; i <= kMaxErrors; ++i) noise += "  BAD A\n";
  const AssemblyResult many = assembleText(noise);
  EXPECT_TRUE(many.fatal);
  EXPECT_EQ(many.diagnostics.size(), kMaxErrors + 1);
  EXPECT_EQ(many.diagnostics.back().code, ErrorCode::TooManyErrors);
}

TEST(Errors, IncludesOfOtherComputersAndDevicesAreRefusedUnread) {
  const std::pair<const char*, ErrorCode> names[] = {
      {"\\\\server\\share\\defs.inc", ErrorCode::NetworkInclude},
      {"//server/share/defs.inc", ErrorCode::NetworkInclude},
      {"\\\\?\\UNC\\server\\defs.inc", ErrorCode::NetworkInclude},
      {"\\\\.\\COM1", ErrorCode::DeviceInclude},
      {"//?/C:/defs.inc", ErrorCode::DeviceInclude},
      {"\\??\\C:\\defs.inc", ErrorCode::DeviceInclude},
      {"CON", ErrorCode::DeviceInclude},
      {"nul.inc", ErrorCode::DeviceInclude},
      {"sub\\Aux.h", ErrorCode::DeviceInclude},
      {"C:prn", ErrorCode::DeviceInclude},
      {"com9 .txt", ErrorCode::DeviceInclude},
      {"LPT1:", ErrorCode::DeviceInclude},
      {"conin$", ErrorCode::DeviceInclude},
      {"COM\xC2\xB9", ErrorCode::DeviceInclude},
  };
  for (const auto& [name, code] : names) {
    for (const std::string& line :
         {"$INCLUDE(" + std::string(name) + ")", "#include \"" + std::string(name) + "\""}) {
      bool asked = false;
      const FileReader reader = [&asked](const std::string&, FileKind) {
        asked = true;
        return std::optional<std::string>("NOP\n");
      };
      const AssemblyResult r = assemble("test.asm", line + "\nNOP\n", reader);
      EXPECT_FALSE(asked) << line;
      EXPECT_TRUE(r.fatal) << line;
      EXPECT_EQ(errorCodes(r), std::vector{code}) << line;
    }
  }
  // Names that only resemble devices are files.
  for (const char* name : {"console.inc", "com10", "lpt0.h", "nul_defs.inc"}) {
    const AssemblyResult r = assembleText("$INCLUDE(" + std::string(name) + ")\n");
    EXPECT_EQ(errorCodes(r), std::vector{ErrorCode::MissingInclude}) << name;
  }
}

TEST(Errors, ABranchTooFarSaysHowFarEitherWay) {
  EXPECT_EQ(assembleText("SJMP $+2+200\nEND\n").diagnostics[0].detail, "200");
  EXPECT_EQ(assembleText("ORG 300H\nJZ $+2-129\nEND\n").diagnostics[0].detail, "129");
}

TEST(Errors, NamesOneTypingErrorAwayAreSuggested) {
  const auto suggested = [](std::string_view source) {
    const AssemblyResult r = assembleText(source);
    return r.diagnostics.empty() ? std::string("-") : r.diagnostics[0].suggestion;
  };
  EXPECT_EQ(suggested("Delay: RET\nCALL DELAJ\nEND\n"), "Delay");   // changed
  EXPECT_EQ(suggested("DELAY: RET\nCALL DELY\nEND\n"), "DELAY");    // left out
  EXPECT_EQ(suggested("DELAY: RET\nCALL DELLAY\nEND\n"), "DELAY");  // added
  EXPECT_EQ(suggested("DELAY: RET\nCALL DLY\nEND\n"), "");          // two away
  EXPECT_EQ(suggested("SETB TRO\nEND\n"), "TR0");                   // a predefined name
  EXPECT_EQ(suggested("TRX: NOP\nSETB TRO\nEND\n"), "TRX");         // the source's own first
  EXPECT_EQ(suggested("MOVE A,B\nEND\n"), "MOV");
  EXPECT_EQ(suggested("MOV A,#XY\nXZ EQU 1\nEND\n"), "");  // too short to tell
}

TEST(Errors, ErrorsInIncludedFilesNameTheirFile) {
  const AssemblyResult r =
      assembleText("NOP\n$INCLUDE(bad.inc)\n", {{"bad.inc", "NOP\nDB NOTHING\n"}});
  ASSERT_EQ(r.errorCount(), 1);
  EXPECT_EQ(r.diagnostics[0].fileName, "bad.inc");
  EXPECT_EQ(r.diagnostics[0].line, 2);
  EXPECT_TRUE(r.diagnostics[0].included);
}

}  // namespace
}  // namespace asm51::test
