#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "opcode_table.h"
#include "support.h"

namespace asm51::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Writes one instruction for an opcode from its table entry, with operand
// values whose encodings are easy to predict, and the bytes it must give.
struct Generated {
  std::string line;
  std::uint16_t address;
  Bytes expected;
};

Generated generate(int opcode) {
  const OpcodeInfo& info = opcodeTable()[static_cast<std::size_t>(opcode)];
  const bool addr11 = info.operands[0] == OperandKind::Addr11;
  Generated g;
  // The target's address bits 8..10 are the ones the opcode carries.
  g.address = static_cast<std::uint16_t>(addr11 ? 0x1000 + ((opcode >> 5) << 8) : 0x100);
  g.expected.push_back(static_cast<std::uint8_t>(opcode));
  std::string operands;
  for (int k = 0; k < info.operandCount(); ++k) {
    std::string text;
    switch (info.operands[static_cast<std::size_t>(k)]) {
      case OperandKind::A:
        text = "A";
        break;
      case OperandKind::AB:
        text = "AB";
        break;
      case OperandKind::C:
        text = "C";
        break;
      case OperandKind::Dptr:
        text = "DPTR";
        break;
      case OperandKind::AtDptr:
        text = "@DPTR";
        break;
      case OperandKind::AtADptr:
        text = "@A+DPTR";
        break;
      case OperandKind::AtAPc:
        text = "@A+PC";
        break;
      case OperandKind::R:
        text = "R" + std::to_string(info.reg);
        break;
      case OperandKind::AtR:
        text = "@R" + std::to_string(info.reg);
        break;
      case OperandKind::Direct:
        text = "45H";
        g.expected.push_back(0x45);
        break;
      case OperandKind::Imm8:
        text = "#12H";
        g.expected.push_back(0x12);
        break;
      case OperandKind::Imm16:
        text = "#3456H";
        g.expected.insert(g.expected.end(), {0x34, 0x56});
        break;
      case OperandKind::Bit:
        text = "21H";
        g.expected.push_back(0x21);
        break;
      case OperandKind::NotBit:
        text = "/22H";
        g.expected.push_back(0x22);
        break;
      case OperandKind::Rel:
        text = "$";  // a jump to itself: minus the instruction length
        g.expected.push_back(static_cast<std::uint8_t>(0x100 - info.length));
        break;
      case OperandKind::Addr11:
        text = "$";
        g.expected.push_back(0x00);
        break;
      case OperandKind::Addr16:
        text = "789AH";
        g.expected.insert(g.expected.end(), {0x78, 0x9A});
        break;
      case OperandKind::None:
        break;
    }
    operands += (k ? "," : "") + text;
  }
  char org[32];
  std::snprintf(org, sizeof org, "ORG %XH\n", g.address);
  g.line = std::string(org) + "\t" + std::string(info.mnemonic) + "\t" + operands + "\n";
  return g;
}

TEST(Encoding, EveryOpcodeOfTheTableAssemblesToItself) {
  int checked = 0;
  for (int opcode = 0; opcode < 256; ++opcode) {
    const OpcodeInfo& info = opcodeTable()[static_cast<std::size_t>(opcode)];
    if (info.mnemonic.empty()) continue;
    const Generated g = generate(opcode);
    const AssemblyResult result = assembleText(g.line);
    ASSERT_EQ(result.errorCount(), 0) << g.line;
    EXPECT_EQ(bytesAt(result, g.address, 4), g.expected) << g.line;
    EXPECT_EQ(g.expected.size(), info.length) << g.line;
    ++checked;
  }
  EXPECT_EQ(checked, 255);
}

TEST(Encoding, OperandOrderQuirks) {
  // MOV direct,direct stores the source first.
  EXPECT_EQ(encode("MOV 30H,31H"), (Bytes{0x85, 0x31, 0x30}));
  EXPECT_EQ(encode("MOV P1,ACC"), (Bytes{0x85, 0xE0, 0x90}));
  EXPECT_EQ(encode("CJNE A,#'a',$"), (Bytes{0xB4, 0x61, 0xFD}));
  EXPECT_EQ(encode("DJNZ 40H,$"), (Bytes{0xD5, 0x40, 0xFD}));
  EXPECT_EQ(encode("JBC P1.1,$"), (Bytes{0x10, 0x91, 0xFD}));
  EXPECT_EQ(encode("MOV DPTR,#0ABCDH"), (Bytes{0x90, 0xAB, 0xCD}));
  EXPECT_EQ(encode("ANL C,/ACC.2"), (Bytes{0xB0, 0xE2}));
  EXPECT_EQ(encode("MOV C,P1.3"), (Bytes{0xA2, 0x93}));
  EXPECT_EQ(encode("MOV 20H.7,C"), (Bytes{0x92, 0x07}));
}

TEST(Encoding, SpellingIsFree) {
  EXPECT_EQ(encode("mov a , # 1"), (Bytes{0x74, 0x01}));
  EXPECT_EQ(encode("MovC a,@a + dptr"), (Bytes{0x93}));
  EXPECT_EQ(encode("movx @r1,a"), (Bytes{0xF3}));
  EXPECT_EQ(encode("MOV A,#-1"), (Bytes{0x74, 0xFF}));
  EXPECT_EQ(encode("MOV A,#-256"), (Bytes{0x74, 0x00}));
  EXPECT_EQ(encode("ADD A,#HIGH 1234H"), (Bytes{0x24, 0x12}));
}

TEST(Encoding, RelativeBranches) {
  const AssemblyResult r = assembleText(
      "BACK: NOP\n"
      "      SJMP BACK\n"  // at 1: 80 FD
      "      JZ AHEAD\n"   // at 3: 60 02
      "      NOP\n"
      "      NOP\n"
      "AHEAD: JNB 20H.0,BACK\n");  // at 7: 30 00 F6
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 10), (Bytes{0x00, 0x80, 0xFD, 0x60, 0x02, 0x00, 0x00, 0x30, 0x00, 0xF6}));
  // The extremes of the range still fit.
  EXPECT_EQ(encode("SJMP $+2+127"), (Bytes{0x80, 0x7F}));
  EXPECT_EQ(encode("ORG 100H\nSJMP $+2-128"), (Bytes{0x80, 0x80}));
}

TEST(Encoding, AbsoluteJumpsCarryPageBitsInTheOpcode) {
  const AssemblyResult r = assembleText("ORG 0F00H\nAJMP 0F80H\nACALL 0A12H\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0x0F00, 4), (Bytes{0xE1, 0x80, 0x51, 0x12}));
  // At the end of a page the next instruction's address decides the page.
  const AssemblyResult edge = assembleText("ORG 7FEH\nAJMP 800H\n");
  EXPECT_EQ(edge.errorCount(), 0);
  EXPECT_EQ(bytesAt(edge, 0x7FE, 2), (Bytes{0x01, 0x00}));
}

TEST(Encoding, GenericJumpAndCallPickTheShortestFormForKnownTargets) {
  const AssemblyResult r = assembleText(
      "NEAR: NOP\n"     // 0
      "  JMP NEAR\n"    // 1: SJMP
      "  CALL NEAR\n"   // 3: ACALL
      "  JMP LATER\n"   // 5: forward, LJMP
      "  CALL LATER\n"  // 8: forward, LCALL
      "  ORG 200H\n"
      "  JMP NEAR\n"  // out of SJMP range, same page: AJMP
      "  ORG 900H\n"
      "LATER: JMP NEAR\n"  // other page: LJMP
      "  JMP @A+DPTR\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 1, 10), (Bytes{0x80, 0xFD, 0x11, 0x00, 0x02, 0x09, 0x00, 0x12, 0x09, 0x00}));
  EXPECT_EQ(bytesAt(r, 0x200, 2), (Bytes{0x01, 0x00}));
  EXPECT_EQ(bytesAt(r, 0x900, 4), (Bytes{0x02, 0x00, 0x00, 0x73}));
}

TEST(Encoding, UsingSelectsTheBankOfAbsoluteRegisters) {
  const AssemblyResult r = assembleText("PUSH AR7\nUSING 2\nPUSH AR3\nUSING 0\nPOP AR0\n");
  ASSERT_EQ(r.errorCount(), 0);
  EXPECT_EQ(bytesAt(r, 0, 6), (Bytes{0xC0, 0x07, 0xC0, 0x13, 0xD0, 0x00}));
}

TEST(Encoding, NamesGivenToRegistersWithEquStandForThem) {
  const AssemblyResult r = assembleText(
      "CNT EQU R3\nptr equ r1\n"
      "MOV CNT,#5\nL: DJNZ cnt,L\nMOV A,@PTR\nMOV CNT,A\nINC @ptr\nAFTER: SJMP AFTER\n");
  ASSERT_EQ(r.errorCount(), 0) << errorMessage(r.diagnostics[0].code);
  EXPECT_EQ(bytesAt(r, 0, 9), (Bytes{0x7B, 0x05, 0xDB, 0xFE, 0xE7, 0xFB, 0x07, 0x80, 0xFE}));
  // The register forms are one byte shorter than direct ones in both passes alike.
  const auto after = std::find_if(r.symbols.begin(), r.symbols.end(),
                                  [](const auto& s) { return s.name == "AFTER"; });
  ASSERT_NE(after, r.symbols.end());
  EXPECT_EQ(after->value, 7);
  const auto cnt = std::find_if(r.symbols.begin(), r.symbols.end(),
                                [](const auto& s) { return s.name == "CNT"; });
  ASSERT_NE(cnt, r.symbols.end());
  EXPECT_EQ(cnt->type, SymbolType::Register);
  EXPECT_EQ(cnt->value, 3);
}

}  // namespace
}  // namespace asm51::test
