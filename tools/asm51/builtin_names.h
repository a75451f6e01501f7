#pragma once

#include <string_view>

namespace asm51 {

// The 8051's special function registers and their bits, in the assembler's
// own syntax: the text of mod51, which a source without $MOD51, $MOD52 or
// $NOMOD knows as if it had read it.
std::string_view builtinNames();
// The 8052's registers and bits in the same syntax: the text of mod52.
std::string_view builtin8052Names();

}  // namespace asm51
