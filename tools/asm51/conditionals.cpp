#include "context.h"

namespace asm51 {

// IF, IFN, IFDEF, IFNDEF, ELSEIF, ELSE and ENDIF; seen also where lines are
// skipped, so that nested blocks pair up.
bool Context::conditional(const std::vector<Token>& tokens) {
  if (tokens[0].kind != Tok::Ident) return false;
  const std::string word = upper(tokens[0].text);
  const std::span<const Token> args =
      std::span<const Token>(tokens).subspan(1, tokens.size() - 2);  // without Tok::End
  if (word == "IF" || word == "IFN" || word == "IFDEF" || word == "IFNDEF") {
    Conditional c;
    c.parentActive = !skipping();
    // A skipped branch's condition is not evaluated: it may hold anything.
    c.active = c.parentActive && condition(word, args);
    c.taken = c.active;
    conditionals_.push_back(c);
    return true;
  }
  if (word == "ELSEIF" || word == "ELSE" || word == "ENDIF") {
    if (conditionals_.empty()) {
      error(ErrorCode::UnbalancedConditional, std::string(tokens[0].text));
      return true;
    }
    Conditional& c = conditionals_.back();
    if (word == "ENDIF") {
      conditionals_.pop_back();
    } else if (c.elseSeen) {
      error(ErrorCode::SecondElse, std::string(tokens[0].text));
      c.active = false;
    } else {
      const bool isElse = word == "ELSE";
      c.elseSeen = isElse;
      c.active = c.parentActive && !c.taken && (isElse || condition(word, args));
      c.taken = c.taken || c.active;
    }
    return true;
  }
  return false;
}

namespace {

constexpr std::uint8_t kTaken = 2;

}  // namespace

// Pass 1 decides and pass 2 repeats the decision, so both passes assemble
// the same lines. A value from further down (IF DEBUG ... DEBUG EQU 1) is
// the one an earlier run of pass 1 found; pass 2, which knows every final
// value, checks that the branch it repeats is the one they choose.
bool Context::valueCondition(bool whenTrue, std::span<const Token> args, std::string_view word) {
  std::uint8_t& decided = note();
  if (pass_ == 2) {
    const bool taken = (decided & kTaken) != 0;
    const Evaluated v = evaluateExpr(args);  // reports what is wrong with it
    if (const auto it = undecidable_.find(statement_); it != undecidable_.end())
      error(ErrorCode::ForwardConflict, it->second, std::string(word));
    else if (v.ok && ((v.value != 0) == whenTrue) != taken)
      error(ErrorCode::ForwardConflict, forwardName(args), std::string(word));
    return taken;
  }
  const std::size_t readsBefore = forwardReads_.size();
  const Evaluated v = evaluateAhead(args, true);
  if (forwardReads_.size() != readsBefore) forwardCondition_ = true;
  // A value known nowhere yet takes the branch as false; the next run knows better.
  const bool taken = v.ok && v.known && (v.value != 0) == whenTrue;
  decided = taken ? kTaken : 0;
  return taken;
}

bool Context::condition(std::string_view word, std::span<const Token> args) {
  if (word == "IF" || word == "IFN" || word == "ELSEIF")
    return valueCondition(word != "IFN", args, word);
  if (args.size() != 1 || args[0].kind != Tok::Ident) {
    error(ErrorCode::ConditionName, std::string(word));
    return false;
  }
  // Defined on an earlier line, or a macro: pass 2 must not see a symbol
  // that pass 1 defined only further down.
  const std::string name = upper(args[0].text);
  const Symbol* symbol = symbols_.find(name);
  const bool defined = (symbol && symbol->firstDefinedAt < statement_) || macros_.contains(name);
  return (word == "IFDEF") == defined;
}

}  // namespace asm51
