#include "context.h"

namespace asm51 {

// While an IF read a value from further down (IF LAB < 10H ... LAB: NOP),
// pass 1 runs again with the values its previous run ended with, until the
// values each run assumed are the ones it ends with. A run that repeats an
// earlier one will never get there: its IFs have no consistent branch.
void Context::runFirstPass() {
  std::vector<std::vector<ForwardRead>> earlierReads;
  std::uint64_t lines = 0;
  for (int run = 1;; ++run) {
    forwardReads_.clear();
    forwardCondition_ = false;
    nameUnseenInCondition_ = false;
    runPass(1);
    if (!forwardCondition_ || stopped_) return;
    const std::vector<const ForwardRead*> wrong = readsGoneWrong();
    if (wrong.empty() && !nameUnseenInCondition_) return;
    const bool repeats =
        std::find(earlierReads.begin(), earlierReads.end(), forwardReads_) != earlierReads.end();
    // The next run would take about as long as this one.
    lines += expandedLines_;
    if (repeats || run >= kMaxFirstPassRuns || lines + expandedLines_ > kMaxFirstPassLines) {
      for (const ForwardRead* read : wrong)
        if (read->condition) undecidable_.emplace(read->statement, read->written);
      return;
    }
    earlierReads.push_back(std::move(forwardReads_));
    earlier_ = std::move(symbols_);
    symbols_ = SymbolTable{};
    notes_.clear();
  }
}

std::vector<const ForwardRead*> Context::readsGoneWrong() const {
  std::vector<const ForwardRead*> wrong;
  for (const ForwardRead& read : forwardReads_) {
    const Symbol* now = symbols_.find(read.name);
    const bool available = now && now->type != SymbolType::Register && (now->known || now->assumed);
    if (available != read.available || (available && now->value != read.value))
      wrong.push_back(&read);
  }
  return wrong;
}

Context::Evaluated Context::evaluateAhead(std::span<const Token> tokens, bool condition) {
  if (pass_ != 1 || tokens.empty()) return evaluateExpr(tokens);
  EvalEnv env{symbols_, location(), bank_};
  env.later = earlier_ ? &*earlier_ : nullptr;
  env.reads = &forwardReads_;
  env.statement = statement_;
  env.condition = condition;
  const ExprResult r = evaluate(tokens, env);
  Evaluated out;
  out.value = r.value;
  out.known = r.known;
  out.predefined = r.predefined;
  out.assumed = r.assumed;
  out.ok = !r.error;
  return out;
}

std::string Context::forwardName(std::span<const Token> tokens) const {
  for (const Token& t : tokens) {
    if (t.kind != Tok::Ident) continue;
    const Symbol* symbol = symbols_.find(upper(t.text));
    if (symbol && !symbol->predefined && symbol->firstDefinedAt >= statement_)
      return std::string(t.text);
  }
  return std::string(writtenText(tokens));
}

}  // namespace asm51
