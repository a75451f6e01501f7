#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace asm51 {

// What an opcode expects in each operand slot. Register forms keep the
// register number in OpcodeInfo::reg, because it is part of the opcode byte.
enum class OperandKind : std::uint8_t {
  None,
  A,
  AB,
  C,
  Dptr,
  AtDptr,
  AtADptr,
  AtAPc,
  R,
  AtR,
  Direct,
  Imm8,
  Imm16,
  Bit,
  NotBit,
  Rel,
  Addr11,
  Addr16,
};

struct OpcodeInfo {
  std::string_view mnemonic;  // empty for the one undefined opcode (A5)
  std::uint8_t length;
  std::uint8_t reg;
  std::array<OperandKind, 3> operands;

  int operandCount() const {
    int n = 0;
    while (n < 3 && operands[static_cast<std::size_t>(n)] != OperandKind::None) ++n;
    return n;
  }
};

// Indexed by opcode; usable as a disassembler table too.
const std::array<OpcodeInfo, 256>& opcodeTable();

}  // namespace asm51
