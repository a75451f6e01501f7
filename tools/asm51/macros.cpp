#include "context.h"
#include "reserved_words.h"

namespace asm51 {
namespace {

bool isWordToken(const Token& t, std::string_view upperWord) {
  return t.kind == Tok::Ident && equalsUpper(t.text, upperWord);
}

// The text of a line after the token `t`, which lies inside it.
std::string_view after(std::string_view line, const Token& t) {
  const auto offset = static_cast<std::size_t>(t.text.data() + t.text.size() - line.data());
  return offset <= line.size() ? line.substr(offset) : std::string_view{};
}

// A macro call's arguments as written: split at commas outside quotes,
// parentheses and <...>, up to a comment. <a,b> passes "a,b" as one argument.
std::vector<std::string> callArguments(std::string_view text) {
  std::vector<std::string> args;
  std::string current;
  int depth = 0;
  bool angle = false;
  char quote = 0;
  auto finish = [&] {
    std::string_view arg = trimBlanks(current);
    if (arg.size() >= 2 && arg.front() == '<' && arg.back() == '>')
      arg = arg.substr(1, arg.size() - 2);
    args.emplace_back(arg);
    current.clear();
  };
  for (const char c : text) {
    if (quote) {
      current.push_back(c);
      if (c == quote) quote = 0;
      continue;
    }
    if (c == ';') break;
    if (c == '\'' || c == '"')
      quote = c;
    else if (c == '(')
      ++depth;
    else if (c == ')')
      --depth;
    else if (c == '<' && trimBlanks(current).empty())
      angle = true;
    else if (c == '>' && angle)
      angle = false;
    else if (c == ',' && depth <= 0 && !angle) {
      finish();
      continue;
    }
    current.push_back(c);
  }
  // A call with nothing after its name but blanks has no arguments.
  if (!args.empty() || !trimBlanks(current).empty()) finish();
  return args;
}

// Comma-separated names after a keyword (MACRO's parameters, LOCAL's names).
std::vector<std::string> nameList(std::span<const Token> tokens) {
  std::vector<std::string> names;
  for (const Token& t : tokens)
    if (t.kind == Tok::Ident) names.push_back(upper(t.text));
  return names;
}

// One body line with parameters and LOCAL names replaced, outside strings and
// comments. An '&' that touches a word only joins it to its neighbour.
std::string substitute(std::string_view line, const std::vector<std::string>& names,
                       const std::vector<std::string>& values) {
  std::string out;
  out.reserve(line.size() + 16);
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ';') {
      out.append(line.substr(i));
      break;
    }
    if (c == '\'' || c == '"') {
      const std::size_t close = line.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close + 1;
      out.append(line.substr(i, end - i));
      i = end;
      continue;
    }
    const bool touchesWord =
        (i > 0 && identChar(line[i - 1])) || (i + 1 < line.size() && identChar(line[i + 1]));
    if (c == '&' && touchesWord) {
      ++i;
      continue;
    }
    if (identStart(c) || (c >= '0' && c <= '9')) {
      std::size_t j = i + 1;
      while (j < line.size() && identChar(line[j])) ++j;
      const std::string_view word = line.substr(i, j - i);
      bool replaced = false;
      if (identStart(c)) {
        for (std::size_t k = 0; k < names.size() && !replaced; ++k) {
          if (equalsUpper(word, names[k])) {
            out += values[k];
            replaced = true;
          }
        }
      }
      if (!replaced) out.append(word);
      i = j;
      continue;
    }
    out.push_back(c);
    ++i;
  }
  return out;
}

}  // namespace

// NAME MACRO params, or REPT count: the lines up to the matching ENDM are
// recorded, not assembled.
bool Context::beginBlock(const std::vector<Token>& tokens) {
  const std::span<const Token> all(tokens.data(), tokens.size() - 1);  // without Tok::End
  if (all.size() >= 2 && all[0].kind == Tok::Ident && isWordToken(all[1], "MACRO")) {
    Recording r;
    r.name = upper(all[0].text);
    r.macro.params = nameList(all.subspan(2));
    if (isReservedWord(r.name)) {
      // Its body is still read up to ENDM, but MOV stays an instruction.
      error(ErrorCode::ReservedWord, std::string(all[0].text));
      r.name.clear();
    }
    recording_ = std::move(r);
    return true;
  }
  if (!all.empty() && isWordToken(all[0], "REPT")) {
    const Evaluated v = requireKnownInPass1(all.subspan(1));
    Recording r;
    r.isRept = true;
    r.count = v.ok ? v.value : 0;
    recording_ = std::move(r);
    return true;
  }
  return false;
}

// False when the line still has to be listed.
bool Context::recordLine(const std::vector<Token>& tokens) {
  Recording& r = *recording_;
  const std::span<const Token> all(tokens.data(), tokens.size() - 1);
  const bool opens = (all.size() >= 2 && isWordToken(all[1], "MACRO")) ||
                     (!all.empty() && (isWordToken(all[0], "REPT") || isWordToken(all[0], "IRP") ||
                                       isWordToken(all[0], "IRPC")));
  if (!all.empty() && isWordToken(all[0], "ENDM")) {
    if (r.nesting == 0) return endBlock();
    --r.nesting;
  } else if (opens) {
    ++r.nesting;
  } else if (r.nesting == 0 && !r.isRept && !all.empty() && isWordToken(all[0], "LOCAL")) {
    for (std::string& name : nameList(all.subspan(1))) r.macro.locals.push_back(std::move(name));
    return false;
  }
  r.macro.body.emplace_back(current_.text);
  return false;
}

bool Context::endBlock() {
  Recording r = std::move(*recording_);
  recording_.reset();
  if (!r.isRept) {
    if (r.name.empty()) return false;
    if (macros_.contains(r.name))
      error(ErrorCode::DuplicateMacro, r.name);
    else
      macros_.emplace(r.name, std::move(r.macro));
    return false;
  }
  // The ENDM line is listed before the lines it repeats.
  if (macroDepth_ >= kMaxMacroDepth) {
    error(ErrorCode::MacroTooDeep, "REPT");
    finishLine();
    return true;
  }
  finishLine();
  current_.diagnostics.clear();
  expand(r.macro.body, r.count);
  return true;
}

// NAME args, or label: NAME args.
bool Context::callMacro(const std::vector<Token>& tokens) {
  if (macros_.empty()) return false;
  const std::size_t i = labelTokens(tokens);
  if (tokens[i].kind != Tok::Ident) return false;
  const auto found = macros_.find(upper(tokens[i].text));
  if (found == macros_.end()) return false;
  if (i > 0) defineLabel(tokens[0]);
  const Macro& macro = found->second;
  std::vector<std::string> values = callArguments(after(current_.text, tokens[i]));
  if (values.size() > macro.params.size())
    error(ErrorCode::TooManyArguments, std::string(tokens[i].text),
          std::to_string(macro.params.size()));
  values.resize(macro.params.size());
  std::vector<std::string> names = macro.params;
  ++expansions_;
  for (const std::string& local : macro.locals) {
    names.push_back(local);
    values.push_back("??" + std::to_string(expansions_) + "_" + local);
  }
  if (macroDepth_ >= kMaxMacroDepth) {
    error(ErrorCode::MacroTooDeep, std::string(tokens[i].text));
    finishLine();
    return true;
  }
  // Substituting costs as much as running the lines, even those that EXITM
  // then drops, so it counts against the same budget.
  if (!charge(
          static_cast<std::uint32_t>(std::min<std::size_t>(macro.body.size(), kMaxLinesPerPass)),
          0)) {
    finishLine();
    return true;
  }
  std::vector<std::string> lines;
  lines.reserve(macro.body.size());
  for (const std::string& line : macro.body) {
    lines.push_back(substitute(line, names, values));
    // A parameter used twice in a line that passes it on doubles the line
    // at every level of nesting.
    if (lines.back().size() > kMaxExpandedLine) {
      error(ErrorCode::LineTooLong, std::string(tokens[i].text));
      finishLine();
      return true;
    }
    if (!charge(0, lines.back().size())) {
      finishLine();
      return true;
    }
  }
  finishLine();
  current_.diagnostics.clear();
  expand(lines, 1);
  return true;
}

void Context::expand(const std::vector<std::string>& lines, std::uint32_t times) {
  std::string joined;
  for (const std::string& line : lines) {
    joined += line;
    joined += '\n';
  }
  std::string_view text = joined;
  if (pass_ == 2 && !sink_) {
    // Collected listing lines point into their text, which must outlive them;
    // one copy serves every repetition.
    result_.texts.push_back(std::make_unique<const std::string>(std::move(joined)));
    text = *result_.texts.back();
  }
  ++macroDepth_;
  const std::size_t openConditionals = conditionals_.size();
  for (std::uint32_t n = 0; n < times && !ended_ && !stopped_; ++n) {
    // A repetition costs something even when its body is empty: nested
    // REPT 0FFFFH of nothing would otherwise run for hours.
    if (!charge(1, 0)) break;
    exitMacro_ = false;
    processLines(text, true);
    // EXITM leaves IF blocks opened inside the expansion unclosed.
    if (conditionals_.size() > openConditionals) {
      if (!exitMacro_) error(ErrorCode::UnclosedIf);
      conditionals_.resize(openConditionals);
    }
    if (exitMacro_) break;
  }
  if (recording_ && !ended_) {
    error(ErrorCode::UnterminatedBlock, recording_->isRept ? "REPT" : "MACRO " + recording_->name);
    recording_.reset();
  }
  exitMacro_ = false;
  --macroDepth_;
}

// At the end of the source nothing may stay open.
void Context::closeOpenBlocks() {
  if (pass_ != 2) return;
  current_ = CurrentLine{};
  current_.fileName = sourceName_;
  current_.line = lastLine_;
  current_.firstByte = result_.objectBytes.size();
  if (recording_)
    error(ErrorCode::UnterminatedBlock, recording_->isRept ? "REPT" : "MACRO " + recording_->name);
  if (!conditionals_.empty()) error(ErrorCode::UnclosedIf);
  if (!current_.diagnostics.empty()) finishLine();
  // Belongs to no line: the listing shows it after the last one.
  if (!ended_ && !stopped_) warning(ErrorCode::MissingEnd);
}

}  // namespace asm51
