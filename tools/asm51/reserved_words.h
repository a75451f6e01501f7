#pragma once

#include <string_view>

namespace asm51 {

// Names that can never be user symbols: registers, operators, directives and
// instruction mnemonics. Expects an upper-case name.
bool isReservedWord(std::string_view upperName);

// Expression operators spelled as words (AND, SHL, HIGH, ...).
bool isOperatorWord(std::string_view upperName);

}  // namespace asm51
