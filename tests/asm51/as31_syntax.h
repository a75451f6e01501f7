#pragma once

#include <string>
#include <string_view>

namespace asm51::test {

// Rewrites a source in Intel syntax for the reference assembler, which
// spells directives with a dot (.org, .db, .equ, .flag, .skip), knows the
// 8051 registers without $MOD51, writes strings in double quotes and the
// location counter as '*'. Covers what the comparison corpus uses.
std::string toAs31Syntax(std::string_view source);

}  // namespace asm51::test
