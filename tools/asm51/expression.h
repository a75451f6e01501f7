#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "diagnostics.h"
#include "lexer.h"
#include "symbols.h"

namespace asm51 {

inline constexpr int kMaxExpressionDepth = 32;

struct EvalEnv {
  const SymbolTable& symbols;
  std::uint16_t location;  // value of $
  int bank;                // register bank chosen by USING, for AR0..AR7
};

struct ExprResult {
  std::uint16_t value = 0;
  bool known = true;          // false when an undefined symbol took part
  std::string undefinedName;  // first undefined symbol, as written
  bool predefined = false;    // a predefined 8051 name took part
  std::optional<ErrorCode> error;
  std::string detail;
};

// Evaluates the whole token range as one expression in 16-bit arithmetic.
// Relational operators give 0FFFFH for true, as the Intel language does.
ExprResult evaluate(std::span<const Token> tokens, const EvalEnv& env);

}  // namespace asm51
