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
      error(ErrorCode::UnbalancedConditional, std::string(tokens[0].text));
      c.active = false;
    } else {
      const bool isElse = word == "ELSE";
      c.elseSeen = isElse;
      c.active = c.parentActive && !c.taken && (isElse || condition("IF", args));
      c.taken = c.taken || c.active;
    }
    return true;
  }
  return false;
}

namespace {

constexpr std::uint8_t kUnresolved = 1;  // same bit as a value required in pass 1
constexpr std::uint8_t kTaken = 2;

}  // namespace

// Pass 1 decides and pass 2 repeats the decision, so both passes assemble
// the same lines. A constant defined further down (IF DEBUG ... DEBUG EQU 1)
// is taken from an earlier run of pass 1 over the whole source.
bool Context::valueCondition(bool whenTrue, std::span<const Token> args) {
  std::uint8_t& decided = note();
  if (pass_ == 2) {
    const Evaluated v = evaluateExpr(args);  // reports what is wrong with it
    if (v.ok && (decided & kUnresolved)) error(ErrorCode::ForwardReference);
    return (decided & kTaken) != 0;
  }
  const Evaluated v = evaluateExpr(args);
  bool known = v.ok && v.known;
  std::uint16_t value = v.value;
  if (!known && earlier_) {
    const ExprResult r = evaluate(args, EvalEnv{*earlier_, location(), bank_});
    known = !r.error && r.known;
    value = r.value;
  }
  decided = 0;
  if (!known) {
    unresolvedCondition_ = true;
    decided = kUnresolved;
    return false;
  }
  const bool taken = (value != 0) == whenTrue;
  if (taken) decided = kTaken;
  return taken;
}

bool Context::condition(std::string_view word, std::span<const Token> args) {
  if (word == "IF" || word == "IFN") return valueCondition(word == "IF", args);
  if (args.size() != 1 || args[0].kind != Tok::Ident) {
    error(ErrorCode::Syntax, args.empty() ? std::string(word) : std::string(args[0].text));
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
