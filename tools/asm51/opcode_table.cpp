#include "opcode_table.h"

namespace asm51 {
namespace {

using K = OperandKind;

// One row per opcode, in opcode order: the comment is the row's opcode.
// clang-format off
constexpr std::array<OpcodeInfo, 256> kTable{{
    {"NOP", 1, 0, {}}, // 00
    {"AJMP", 2, 0, {K::Addr11}}, // 01
    {"LJMP", 3, 0, {K::Addr16}}, // 02
    {"RR", 1, 0, {K::A}}, // 03
    {"INC", 1, 0, {K::A}}, // 04
    {"INC", 2, 0, {K::Direct}}, // 05
    {"INC", 1, 0, {K::AtR}}, // 06
    {"INC", 1, 1, {K::AtR}}, // 07
    {"INC", 1, 0, {K::R}}, // 08
    {"INC", 1, 1, {K::R}}, // 09
    {"INC", 1, 2, {K::R}}, // 0A
    {"INC", 1, 3, {K::R}}, // 0B
    {"INC", 1, 4, {K::R}}, // 0C
    {"INC", 1, 5, {K::R}}, // 0D
    {"INC", 1, 6, {K::R}}, // 0E
    {"INC", 1, 7, {K::R}}, // 0F
    {"JBC", 3, 0, {K::Bit, K::Rel}}, // 10
    {"ACALL", 2, 0, {K::Addr11}}, // 11
    {"LCALL", 3, 0, {K::Addr16}}, // 12
    {"RRC", 1, 0, {K::A}}, // 13
    {"DEC", 1, 0, {K::A}}, // 14
    {"DEC", 2, 0, {K::Direct}}, // 15
    {"DEC", 1, 0, {K::AtR}}, // 16
    {"DEC", 1, 1, {K::AtR}}, // 17
    {"DEC", 1, 0, {K::R}}, // 18
    {"DEC", 1, 1, {K::R}}, // 19
    {"DEC", 1, 2, {K::R}}, // 1A
    {"DEC", 1, 3, {K::R}}, // 1B
    {"DEC", 1, 4, {K::R}}, // 1C
    {"DEC", 1, 5, {K::R}}, // 1D
    {"DEC", 1, 6, {K::R}}, // 1E
    {"DEC", 1, 7, {K::R}}, // 1F
    {"JB", 3, 0, {K::Bit, K::Rel}}, // 20
    {"AJMP", 2, 0, {K::Addr11}}, // 21
    {"RET", 1, 0, {}}, // 22
    {"RL", 1, 0, {K::A}}, // 23
    {"ADD", 2, 0, {K::A, K::Imm8}}, // 24
    {"ADD", 2, 0, {K::A, K::Direct}}, // 25
    {"ADD", 1, 0, {K::A, K::AtR}}, // 26
    {"ADD", 1, 1, {K::A, K::AtR}}, // 27
    {"ADD", 1, 0, {K::A, K::R}}, // 28
    {"ADD", 1, 1, {K::A, K::R}}, // 29
    {"ADD", 1, 2, {K::A, K::R}}, // 2A
    {"ADD", 1, 3, {K::A, K::R}}, // 2B
    {"ADD", 1, 4, {K::A, K::R}}, // 2C
    {"ADD", 1, 5, {K::A, K::R}}, // 2D
    {"ADD", 1, 6, {K::A, K::R}}, // 2E
    {"ADD", 1, 7, {K::A, K::R}}, // 2F
    {"JNB", 3, 0, {K::Bit, K::Rel}}, // 30
    {"ACALL", 2, 0, {K::Addr11}}, // 31
    {"RETI", 1, 0, {}}, // 32
    {"RLC", 1, 0, {K::A}}, // 33
    {"ADDC", 2, 0, {K::A, K::Imm8}}, // 34
    {"ADDC", 2, 0, {K::A, K::Direct}}, // 35
    {"ADDC", 1, 0, {K::A, K::AtR}}, // 36
    {"ADDC", 1, 1, {K::A, K::AtR}}, // 37
    {"ADDC", 1, 0, {K::A, K::R}}, // 38
    {"ADDC", 1, 1, {K::A, K::R}}, // 39
    {"ADDC", 1, 2, {K::A, K::R}}, // 3A
    {"ADDC", 1, 3, {K::A, K::R}}, // 3B
    {"ADDC", 1, 4, {K::A, K::R}}, // 3C
    {"ADDC", 1, 5, {K::A, K::R}}, // 3D
    {"ADDC", 1, 6, {K::A, K::R}}, // 3E
    {"ADDC", 1, 7, {K::A, K::R}}, // 3F
    {"JC", 2, 0, {K::Rel}}, // 40
    {"AJMP", 2, 0, {K::Addr11}}, // 41
    {"ORL", 2, 0, {K::Direct, K::A}}, // 42
    {"ORL", 3, 0, {K::Direct, K::Imm8}}, // 43
    {"ORL", 2, 0, {K::A, K::Imm8}}, // 44
    {"ORL", 2, 0, {K::A, K::Direct}}, // 45
    {"ORL", 1, 0, {K::A, K::AtR}}, // 46
    {"ORL", 1, 1, {K::A, K::AtR}}, // 47
    {"ORL", 1, 0, {K::A, K::R}}, // 48
    {"ORL", 1, 1, {K::A, K::R}}, // 49
    {"ORL", 1, 2, {K::A, K::R}}, // 4A
    {"ORL", 1, 3, {K::A, K::R}}, // 4B
    {"ORL", 1, 4, {K::A, K::R}}, // 4C
    {"ORL", 1, 5, {K::A, K::R}}, // 4D
    {"ORL", 1, 6, {K::A, K::R}}, // 4E
    {"ORL", 1, 7, {K::A, K::R}}, // 4F
    {"JNC", 2, 0, {K::Rel}}, // 50
    {"ACALL", 2, 0, {K::Addr11}}, // 51
    {"ANL", 2, 0, {K::Direct, K::A}}, // 52
    {"ANL", 3, 0, {K::Direct, K::Imm8}}, // 53
    {"ANL", 2, 0, {K::A, K::Imm8}}, // 54
    {"ANL", 2, 0, {K::A, K::Direct}}, // 55
    {"ANL", 1, 0, {K::A, K::AtR}}, // 56
    {"ANL", 1, 1, {K::A, K::AtR}}, // 57
    {"ANL", 1, 0, {K::A, K::R}}, // 58
    {"ANL", 1, 1, {K::A, K::R}}, // 59
    {"ANL", 1, 2, {K::A, K::R}}, // 5A
    {"ANL", 1, 3, {K::A, K::R}}, // 5B
    {"ANL", 1, 4, {K::A, K::R}}, // 5C
    {"ANL", 1, 5, {K::A, K::R}}, // 5D
    {"ANL", 1, 6, {K::A, K::R}}, // 5E
    {"ANL", 1, 7, {K::A, K::R}}, // 5F
    {"JZ", 2, 0, {K::Rel}}, // 60
    {"AJMP", 2, 0, {K::Addr11}}, // 61
    {"XRL", 2, 0, {K::Direct, K::A}}, // 62
    {"XRL", 3, 0, {K::Direct, K::Imm8}}, // 63
    {"XRL", 2, 0, {K::A, K::Imm8}}, // 64
    {"XRL", 2, 0, {K::A, K::Direct}}, // 65
    {"XRL", 1, 0, {K::A, K::AtR}}, // 66
    {"XRL", 1, 1, {K::A, K::AtR}}, // 67
    {"XRL", 1, 0, {K::A, K::R}}, // 68
    {"XRL", 1, 1, {K::A, K::R}}, // 69
    {"XRL", 1, 2, {K::A, K::R}}, // 6A
    {"XRL", 1, 3, {K::A, K::R}}, // 6B
    {"XRL", 1, 4, {K::A, K::R}}, // 6C
    {"XRL", 1, 5, {K::A, K::R}}, // 6D
    {"XRL", 1, 6, {K::A, K::R}}, // 6E
    {"XRL", 1, 7, {K::A, K::R}}, // 6F
    {"JNZ", 2, 0, {K::Rel}}, // 70
    {"ACALL", 2, 0, {K::Addr11}}, // 71
    {"ORL", 2, 0, {K::C, K::Bit}}, // 72
    {"JMP", 1, 0, {K::AtADptr}}, // 73
    {"MOV", 2, 0, {K::A, K::Imm8}}, // 74
    {"MOV", 3, 0, {K::Direct, K::Imm8}}, // 75
    {"MOV", 2, 0, {K::AtR, K::Imm8}}, // 76
    {"MOV", 2, 1, {K::AtR, K::Imm8}}, // 77
    {"MOV", 2, 0, {K::R, K::Imm8}}, // 78
    {"MOV", 2, 1, {K::R, K::Imm8}}, // 79
    {"MOV", 2, 2, {K::R, K::Imm8}}, // 7A
    {"MOV", 2, 3, {K::R, K::Imm8}}, // 7B
    {"MOV", 2, 4, {K::R, K::Imm8}}, // 7C
    {"MOV", 2, 5, {K::R, K::Imm8}}, // 7D
    {"MOV", 2, 6, {K::R, K::Imm8}}, // 7E
    {"MOV", 2, 7, {K::R, K::Imm8}}, // 7F
    {"SJMP", 2, 0, {K::Rel}}, // 80
    {"AJMP", 2, 0, {K::Addr11}}, // 81
    {"ANL", 2, 0, {K::C, K::Bit}}, // 82
    {"MOVC", 1, 0, {K::A, K::AtAPc}}, // 83
    {"DIV", 1, 0, {K::AB}}, // 84
    {"MOV", 3, 0, {K::Direct, K::Direct}}, // 85
    {"MOV", 2, 0, {K::Direct, K::AtR}}, // 86
    {"MOV", 2, 1, {K::Direct, K::AtR}}, // 87
    {"MOV", 2, 0, {K::Direct, K::R}}, // 88
    {"MOV", 2, 1, {K::Direct, K::R}}, // 89
    {"MOV", 2, 2, {K::Direct, K::R}}, // 8A
    {"MOV", 2, 3, {K::Direct, K::R}}, // 8B
    {"MOV", 2, 4, {K::Direct, K::R}}, // 8C
    {"MOV", 2, 5, {K::Direct, K::R}}, // 8D
    {"MOV", 2, 6, {K::Direct, K::R}}, // 8E
    {"MOV", 2, 7, {K::Direct, K::R}}, // 8F
    {"MOV", 3, 0, {K::Dptr, K::Imm16}}, // 90
    {"ACALL", 2, 0, {K::Addr11}}, // 91
    {"MOV", 2, 0, {K::Bit, K::C}}, // 92
    {"MOVC", 1, 0, {K::A, K::AtADptr}}, // 93
    {"SUBB", 2, 0, {K::A, K::Imm8}}, // 94
    {"SUBB", 2, 0, {K::A, K::Direct}}, // 95
    {"SUBB", 1, 0, {K::A, K::AtR}}, // 96
    {"SUBB", 1, 1, {K::A, K::AtR}}, // 97
    {"SUBB", 1, 0, {K::A, K::R}}, // 98
    {"SUBB", 1, 1, {K::A, K::R}}, // 99
    {"SUBB", 1, 2, {K::A, K::R}}, // 9A
    {"SUBB", 1, 3, {K::A, K::R}}, // 9B
    {"SUBB", 1, 4, {K::A, K::R}}, // 9C
    {"SUBB", 1, 5, {K::A, K::R}}, // 9D
    {"SUBB", 1, 6, {K::A, K::R}}, // 9E
    {"SUBB", 1, 7, {K::A, K::R}}, // 9F
    {"ORL", 2, 0, {K::C, K::NotBit}}, // A0
    {"AJMP", 2, 0, {K::Addr11}}, // A1
    {"MOV", 2, 0, {K::C, K::Bit}}, // A2
    {"INC", 1, 0, {K::Dptr}}, // A3
    {"MUL", 1, 0, {K::AB}}, // A4
    {"", 0, 0, {}}, // A5
    {"MOV", 2, 0, {K::AtR, K::Direct}}, // A6
    {"MOV", 2, 1, {K::AtR, K::Direct}}, // A7
    {"MOV", 2, 0, {K::R, K::Direct}}, // A8
    {"MOV", 2, 1, {K::R, K::Direct}}, // A9
    {"MOV", 2, 2, {K::R, K::Direct}}, // AA
    {"MOV", 2, 3, {K::R, K::Direct}}, // AB
    {"MOV", 2, 4, {K::R, K::Direct}}, // AC
    {"MOV", 2, 5, {K::R, K::Direct}}, // AD
    {"MOV", 2, 6, {K::R, K::Direct}}, // AE
    {"MOV", 2, 7, {K::R, K::Direct}}, // AF
    {"ANL", 2, 0, {K::C, K::NotBit}}, // B0
    {"ACALL", 2, 0, {K::Addr11}}, // B1
    {"CPL", 2, 0, {K::Bit}}, // B2
    {"CPL", 1, 0, {K::C}}, // B3
    {"CJNE", 3, 0, {K::A, K::Imm8, K::Rel}}, // B4
    {"CJNE", 3, 0, {K::A, K::Direct, K::Rel}}, // B5
    {"CJNE", 3, 0, {K::AtR, K::Imm8, K::Rel}}, // B6
    {"CJNE", 3, 1, {K::AtR, K::Imm8, K::Rel}}, // B7
    {"CJNE", 3, 0, {K::R, K::Imm8, K::Rel}}, // B8
    {"CJNE", 3, 1, {K::R, K::Imm8, K::Rel}}, // B9
    {"CJNE", 3, 2, {K::R, K::Imm8, K::Rel}}, // BA
    {"CJNE", 3, 3, {K::R, K::Imm8, K::Rel}}, // BB
    {"CJNE", 3, 4, {K::R, K::Imm8, K::Rel}}, // BC
    {"CJNE", 3, 5, {K::R, K::Imm8, K::Rel}}, // BD
    {"CJNE", 3, 6, {K::R, K::Imm8, K::Rel}}, // BE
    {"CJNE", 3, 7, {K::R, K::Imm8, K::Rel}}, // BF
    {"PUSH", 2, 0, {K::Direct}}, // C0
    {"AJMP", 2, 0, {K::Addr11}}, // C1
    {"CLR", 2, 0, {K::Bit}}, // C2
    {"CLR", 1, 0, {K::C}}, // C3
    {"SWAP", 1, 0, {K::A}}, // C4
    {"XCH", 2, 0, {K::A, K::Direct}}, // C5
    {"XCH", 1, 0, {K::A, K::AtR}}, // C6
    {"XCH", 1, 1, {K::A, K::AtR}}, // C7
    {"XCH", 1, 0, {K::A, K::R}}, // C8
    {"XCH", 1, 1, {K::A, K::R}}, // C9
    {"XCH", 1, 2, {K::A, K::R}}, // CA
    {"XCH", 1, 3, {K::A, K::R}}, // CB
    {"XCH", 1, 4, {K::A, K::R}}, // CC
    {"XCH", 1, 5, {K::A, K::R}}, // CD
    {"XCH", 1, 6, {K::A, K::R}}, // CE
    {"XCH", 1, 7, {K::A, K::R}}, // CF
    {"POP", 2, 0, {K::Direct}}, // D0
    {"ACALL", 2, 0, {K::Addr11}}, // D1
    {"SETB", 2, 0, {K::Bit}}, // D2
    {"SETB", 1, 0, {K::C}}, // D3
    {"DA", 1, 0, {K::A}}, // D4
    {"DJNZ", 3, 0, {K::Direct, K::Rel}}, // D5
    {"XCHD", 1, 0, {K::A, K::AtR}}, // D6
    {"XCHD", 1, 1, {K::A, K::AtR}}, // D7
    {"DJNZ", 2, 0, {K::R, K::Rel}}, // D8
    {"DJNZ", 2, 1, {K::R, K::Rel}}, // D9
    {"DJNZ", 2, 2, {K::R, K::Rel}}, // DA
    {"DJNZ", 2, 3, {K::R, K::Rel}}, // DB
    {"DJNZ", 2, 4, {K::R, K::Rel}}, // DC
    {"DJNZ", 2, 5, {K::R, K::Rel}}, // DD
    {"DJNZ", 2, 6, {K::R, K::Rel}}, // DE
    {"DJNZ", 2, 7, {K::R, K::Rel}}, // DF
    {"MOVX", 1, 0, {K::A, K::AtDptr}}, // E0
    {"AJMP", 2, 0, {K::Addr11}}, // E1
    {"MOVX", 1, 0, {K::A, K::AtR}}, // E2
    {"MOVX", 1, 1, {K::A, K::AtR}}, // E3
    {"CLR", 1, 0, {K::A}}, // E4
    {"MOV", 2, 0, {K::A, K::Direct}}, // E5
    {"MOV", 1, 0, {K::A, K::AtR}}, // E6
    {"MOV", 1, 1, {K::A, K::AtR}}, // E7
    {"MOV", 1, 0, {K::A, K::R}}, // E8
    {"MOV", 1, 1, {K::A, K::R}}, // E9
    {"MOV", 1, 2, {K::A, K::R}}, // EA
    {"MOV", 1, 3, {K::A, K::R}}, // EB
    {"MOV", 1, 4, {K::A, K::R}}, // EC
    {"MOV", 1, 5, {K::A, K::R}}, // ED
    {"MOV", 1, 6, {K::A, K::R}}, // EE
    {"MOV", 1, 7, {K::A, K::R}}, // EF
    {"MOVX", 1, 0, {K::AtDptr, K::A}}, // F0
    {"ACALL", 2, 0, {K::Addr11}}, // F1
    {"MOVX", 1, 0, {K::AtR, K::A}}, // F2
    {"MOVX", 1, 1, {K::AtR, K::A}}, // F3
    {"CPL", 1, 0, {K::A}}, // F4
    {"MOV", 2, 0, {K::Direct, K::A}}, // F5
    {"MOV", 1, 0, {K::AtR, K::A}}, // F6
    {"MOV", 1, 1, {K::AtR, K::A}}, // F7
    {"MOV", 1, 0, {K::R, K::A}}, // F8
    {"MOV", 1, 1, {K::R, K::A}}, // F9
    {"MOV", 1, 2, {K::R, K::A}}, // FA
    {"MOV", 1, 3, {K::R, K::A}}, // FB
    {"MOV", 1, 4, {K::R, K::A}}, // FC
    {"MOV", 1, 5, {K::R, K::A}}, // FD
    {"MOV", 1, 6, {K::R, K::A}}, // FE
    {"MOV", 1, 7, {K::R, K::A}}, // FF
}};
// clang-format on

}  // namespace

const std::array<OpcodeInfo, 256>& opcodeTable() {
  return kTable;
}

}  // namespace asm51
