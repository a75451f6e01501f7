#include "reserved_words.h"

#include <algorithm>
#include <array>

#include "opcode_table.h"

namespace asm51 {
namespace {

constexpr auto kOperators =
    std::to_array<std::string_view>({"AND", "EQ", "GE", "GT", "HIGH", "LE", "LOW", "LT", "MOD",
                                     "NE", "NOT", "OR", "SHL", "SHR", "XOR"});

constexpr auto kOthers = std::to_array<std::string_view>(
    {"A",      "AB",    "C",    "DPTR",  "PC",    "R0",    "R1",   "R2",    "R3",    "R4",
     "R5",     "R6",    "R7",   "ORG",   "EQU",   "SET",   "DATA", "IDATA", "XDATA", "BIT",
     "CODE",   "DB",    "DW",   "DS",    "DBIT",  "USING", "END",  "CSEG",  "DSEG",  "ISEG",
     "BSEG",   "XSEG",  "AT",   "JMP",   "CALL",  "IF",    "ELSE", "ENDIF", "IFDEF", "IFNDEF",
     "ELSEIF", "MACRO", "ENDM", "EXITM", "LOCAL", "REPT",  "LIST", "NOLIST"});

}  // namespace

bool isOperatorWord(std::string_view upperName) {
  return std::find(kOperators.begin(), kOperators.end(), upperName) != kOperators.end();
}

bool isReservedWord(std::string_view upperName) {
  // No reserved word is longer than six letters; most labels are.
  if (upperName.size() > 6) return false;
  if (isOperatorWord(upperName)) return true;
  if (std::find(kOthers.begin(), kOthers.end(), upperName) != kOthers.end()) return true;
  const auto& table = opcodeTable();
  return std::any_of(table.begin(), table.end(), [&](const OpcodeInfo& info) {
    return !info.mnemonic.empty() && info.mnemonic == upperName;
  });
}

}  // namespace asm51
