#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "lexer.h"
#include "symbols.h"

namespace asm51 {

inline constexpr int kMaxExpressionDepth = 32;

// A value that the first pass read before the line that defines it: a name
// defined further down, or a predefined name that the source may yet take
// over. The value is the one an earlier run of the pass found, if any.
struct ForwardRead {
  std::string name;     // upper-case
  std::string written;  // as written
  std::uint16_t value = 0;
  bool available = false;
  int statement = 0;       // of the reading line
  bool condition = false;  // read by IF or ELSEIF rather than by a definition

  bool operator==(const ForwardRead&) const = default;
};

struct EvalEnv {
  const SymbolTable& symbols;
  std::uint16_t location;  // value of $
  int bank;                // register bank chosen by USING, for AR0..AR7
  // With `reads`, names not yet known take their value from `later` (the
  // symbols of an earlier run of the first pass), and each such read is noted.
  const SymbolTable* later = nullptr;
  std::vector<ForwardRead>* reads = nullptr;
  int statement = 0;
  bool condition = false;
  // Pass 2: values worked out from an earlier run of pass 1 count as known,
  // the runs having agreed on them.
  bool assumedKnown = false;
};

struct ExprResult {
  std::uint16_t value = 0;
  bool known = true;          // false when an undefined symbol took part
  std::string undefinedName;  // first undefined symbol, as written
  bool predefined = false;    // a predefined 8051 name took part
  bool assumed = false;       // a forward read's value took part
  std::optional<ErrorCode> error;
  std::string detail;
};

// Evaluates the whole token range as one expression in 16-bit arithmetic.
// Relational operators give 0FFFFH for true, as the Intel language does.
ExprResult evaluate(std::span<const Token> tokens, const EvalEnv& env);

}  // namespace asm51
