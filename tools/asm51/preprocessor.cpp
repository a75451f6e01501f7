#include "preprocessor.h"

#include <algorithm>

#include "ascii.h"
#include "assembler.h"
#include "lexer.h"

namespace asm51 {
namespace {

constexpr std::size_t npos = std::string_view::npos;
// Work one line's expansion may take: many times the longest line, since
// names that expand to nothing cost work without making the line longer.
constexpr std::size_t kMaxWorkPerLine = 16 * kMaxExpandedLine;
// Each replacement counts as this much text besides what it brings in: one
// takes a lookup or two whether it yields a character or a line, and the
// pass's budget of text must bound the time that D12 built of D11+D11 takes.
constexpr std::size_t kReplacementCost = 16;

// A directive as the source writes it, for a message.
std::string hashed(std::string_view word) {
  std::string out(1, '#');
  out += word;
  return out;
}

PreprocessedLine notCode(std::size_t cost) {
  return {false, {}, false, cost};
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size()) {
    const std::size_t n = blankLength(text, i);
    if (n == 0) break;
    i += n;
  }
  return i;
}

std::size_t nameEnd(std::string_view text, std::size_t i) {
  if (i >= text.size() || !identStart(text[i])) return i;
  ++i;
  while (i < text.size() && identChar(text[i])) ++i;
  return i;
}

// Past a string that opens at text[i]; an unclosed one takes the rest.
std::size_t stringEnd(std::string_view text, std::size_t i) {
  const std::size_t close = text.find(text[i], i + 1);
  return close == npos ? text.size() : close + 1;
}

// Past a number, letters included, so that 0FFH is not read as a name.
std::size_t numberEnd(std::string_view text, std::size_t i) {
  while (i < text.size() && (isDigit(text[i]) || (text[i] >= 'A' && text[i] <= 'Z') ||
                             (text[i] >= 'a' && text[i] <= 'z')))
    ++i;
  return i;
}

// The arguments of a call whose '(' stands at text[open], split at commas
// outside parentheses and strings; the index of the closing ')', or npos
// when the line ends first.
std::size_t splitArguments(std::string_view text, std::size_t open,
                           std::vector<std::string_view>& args) {
  args.clear();
  int depth = 0;
  std::size_t start = open + 1;
  for (std::size_t i = open + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      i = stringEnd(text, i) - 1;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && depth > 0) {
      --depth;
    } else if (c == ')' || (c == ',' && depth == 0)) {
      args.push_back(trimBlanks(text.substr(start, i - start)));
      start = i + 1;
      if (c == ')') return i;
    }
  }
  return npos;
}

// A body with its parameters replaced by the call's arguments; ## joins
// what stands on its two sides. Stops once the text is longer than a line
// may become.
std::string substitute(std::string_view body, const std::vector<std::string>& params,
                       const std::vector<std::string>& args) {
  std::string out;
  out.reserve(body.size() + 16);
  std::size_t i = 0;
  while (i < body.size() && out.size() <= kMaxExpandedLine) {
    const char c = body[i];
    std::size_t end = i + 1;
    if (c == '\'' || c == '"') {
      end = stringEnd(body, i);
    } else if (isDigit(c)) {
      end = numberEnd(body, i);
    } else if (c == '#' && end < body.size() && body[end] == '#') {
      while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
      i = skipBlanks(body, end + 1);
      continue;
    } else if (identStart(c)) {
      end = nameEnd(body, i);
      const std::string_view word = body.substr(i, end - i);
      const auto param = std::find(params.begin(), params.end(), word);
      if (param != params.end()) {
        out.append(args[static_cast<std::size_t>(param - params.begin())]);
        i = end;
        continue;
      }
    }
    out.append(body.substr(i, end - i));
    i = end;
  }
  return out;
}

}  // namespace

bool Preprocessor::wantsTokens(const std::vector<Token>& tokens) const {
  if (continuing_ || inComment_ || !active() || tokens.front().kind == Tok::Hash) return true;
  const bool names = !defines_.empty();
  for (std::size_t k = 0; k + 1 < tokens.size(); ++k) {
    const Token& token = tokens[k];
    if (token.kind == Tok::Slash) {
      // A slash alone divides, and one in a string or after ';' is no token.
      const Token& next = tokens[k + 1];
      if ((next.kind == Tok::Slash || next.kind == Tok::Star) &&
          next.text.data() == token.text.data() + 1)
        return true;
    } else if (names && token.kind == Tok::Ident && find(token.text)) {
      return true;
    }
  }
  return false;
}

void Preprocessor::reset() {
  defines_.clear();
  firstBytes_ = {};
  frames_.clear();
  fileFrames_ = 0;
  inComment_ = false;
  continuing_ = false;
  pending_.clear();
}

Preprocessor::FileState Preprocessor::beginFile() {
  const FileState outer{inComment_, fileFrames_};
  inComment_ = false;
  fileFrames_ = frames_.size();
  return outer;
}

void Preprocessor::endFile(const FileState& outer, bool complete, PreprocessorHost& host) {
  if (continuing_) {
    continuing_ = false;
    if (complete) directive(pending_, host);
  }
  if (complete && inComment_) host.preprocessorError(ErrorCode::UnterminatedComment, "/*");
  if (complete && frames_.size() > fileFrames_)
    host.preprocessorError(ErrorCode::UnclosedDirective, "#if");
  // An #if never closes in another file than its own.
  frames_.resize(std::min(frames_.size(), fileFrames_));
  inComment_ = outer.inComment;
  fileFrames_ = outer.conditionals;
}

PreprocessedLine Preprocessor::line(std::string_view text, PreprocessorHost& host) {
  work_ = 0;
  expanded_ = false;
  if (continuing_) {
    const std::string_view trimmed = trimBlanks(text);
    continuing_ = trimmed.ends_with('\\');
    pending_ += ' ';
    pending_ += continuing_ ? trimmed.substr(0, trimmed.size() - 1) : trimmed;
    if (!continuing_) directive(pending_, host);
    return notCode(work_);
  }
  const std::size_t first = inComment_ ? npos : firstNonBlank(text);
  const bool lead = first != npos;
  if (lead && text[first] == '#') {
    const std::string_view body = trimBlanks(text.substr(first + 1));
    if (body.ends_with('\\')) {
      continuing_ = true;
      pending_.assign(body.substr(0, body.size() - 1));
      return notCode(work_);
    }
    directive(body, host);
    return notCode(work_);
  }
  const bool control = lead && text[first] == '$';
  const bool comments = inComment_ || text.find('/') != npos;
  if (!active()) {
    // Comments still open and close inside lines that #if leaves out.
    if (comments) strip(text, stripped_, Mode::Code);
    return notCode(work_);
  }
  if (comments) {
    strip(text, stripped_, control ? Mode::Control : Mode::Code);
    text = stripped_;
  }
  // Control lines name files, whose names are no place for replacements.
  if (defines_.empty() || control) return {true, text, false, 0};
  out_.clear();
  if (!expand(text, out_, false, host, 0)) return notCode(work_);
  if (!expanded_) return {true, text, false, 0};
  return {true, out_, true, work_ + out_.size()};
}

// Copies `text` to `out` without its C comments. A /* comment left open
// goes on into the next line. In a directive, an assembler comment after
// ';' goes too, so that "#define N 5 ; five" defines N as 5.
void Preprocessor::strip(std::string_view text, std::string& out, Mode mode) {
  out.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    if (inComment_) {
      const std::size_t close = text.find("*/", i);
      if (close == npos) return;
      inComment_ = false;
      i = close + 2;
      continue;
    }
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    // Strings, a control's (argument) and #include's <name> are copied
    // whole: //server/share in them is a path, no comment.
    char closing = 0;
    if (c == '\'' || c == '"')
      closing = c;
    else if (c == '(' && mode == Mode::Control)
      closing = ')';
    else if (c == '<' && mode == Mode::Include)
      closing = '>';
    if (closing != 0) {
      const std::size_t close = text.find(closing, i + 1);
      const std::size_t end = close == npos ? text.size() : close + 1;
      out.append(text.substr(i, end - i));
      i = end;
      continue;
    }
    if (c == ';') {
      if (mode == Mode::Code || mode == Mode::Control) out.append(text.substr(i));
      return;
    }
    if (c == '/' && next == '/') return;
    if (c == '/' && next == '*') {
      inComment_ = true;
      out.push_back(' ');
      i += 2;
      continue;
    }
    out.push_back(c);
    ++i;
  }
}

// `text` follows the '#', without blanks at either end.
void Preprocessor::directive(std::string_view text, PreprocessorHost& host) {
  std::size_t end = 0;
  while (end < text.size() &&
         ((text[end] >= 'a' && text[end] <= 'z') || (text[end] >= 'A' && text[end] <= 'Z')))
    ++end;
  const std::string word = asciiLowered(std::string(text.substr(0, end)));
  const bool include = word == "include";
  strip(text.substr(end), directive_, include ? Mode::Include : Mode::Directive);
  const std::string_view rest = trimBlanks(directive_);
  if (word == "if" || word == "ifdef" || word == "ifndef" || word == "elif" || word == "else" ||
      word == "endif") {
    conditional(word, rest, host);
    return;
  }
  if (!active()) return;
  if (word == "define") {
    define(rest, host);
  } else if (word == "undef") {
    const std::size_t stop = nameEnd(rest, 0);
    if (stop == 0)
      host.preprocessorError(ErrorCode::MissingMacroName, "#undef");
    else
      undefine(rest.substr(0, stop));
  } else if (include) {
    const char open = rest.empty() ? '\0' : rest.front();
    const char close = open == '<' ? '>' : '"';
    const std::string_view name =
        rest.size() >= 2 ? trimBlanks(rest.substr(1, rest.size() - 2)) : std::string_view{};
    if (rest.empty() || (rest.size() >= 2 && rest.back() == close && name.empty()))
      host.preprocessorError(ErrorCode::MissingIncludeName, "#include", "#include \"defs.inc\"");
    else if ((open != '"' && open != '<') || rest.size() < 3 || rest.back() != close)
      host.preprocessorError(ErrorCode::BadIncludeName, std::string(rest));
    else
      host.preprocessorInclude(std::string(name));
  } else if (word == "error") {
    host.preprocessorError(ErrorCode::ErrorDirective, std::string(rest));
  } else if (!word.empty() && word != "pragma") {
    // A pragma is for some other tool; a '#' alone is C's empty directive.
    host.preprocessorError(ErrorCode::UnknownDirective, hashed(text.substr(0, end)));
  } else if (word.empty() && !text.empty()) {
    host.preprocessorError(ErrorCode::UnknownDirective, hashed(text));
  }
}

void Preprocessor::conditional(std::string_view word, std::string_view rest,
                               PreprocessorHost& host) {
  const std::string directiveName = hashed(word);
  if (word == "if" || word == "ifdef" || word == "ifndef") {
    Frame frame;
    frame.parentActive = active();
    // A condition inside a left-out branch is not read: it may hold anything.
    if (frame.parentActive && word == "if") {
      frame.active = evaluate(directiveName, rest, host);
    } else if (frame.parentActive) {
      const std::size_t stop = nameEnd(rest, 0);
      if (stop == 0) host.preprocessorError(ErrorCode::MissingMacroName, directiveName);
      frame.active = stop != 0 && (find(rest.substr(0, stop)) != nullptr) == (word == "ifdef");
    }
    frame.taken = frame.active;
    frames_.push_back(frame);
    return;
  }
  if (frames_.size() <= fileFrames_) {
    host.preprocessorError(ErrorCode::UnbalancedDirective, directiveName);
    return;
  }
  if (word == "endif") {
    frames_.pop_back();
    return;
  }
  Frame& frame = frames_.back();
  if (frame.elseSeen) {
    host.preprocessorError(ErrorCode::DirectiveAfterElse, directiveName);
    frame.active = false;
    return;
  }
  const bool isElse = word == "else";
  frame.elseSeen = isElse;
  // Like #if, #elif is read only where it can decide.
  frame.active =
      frame.parentActive && !frame.taken && (isElse || evaluate(directiveName, rest, host));
  frame.taken = frame.taken || frame.active;
}

bool Preprocessor::evaluate(const std::string& directiveName, std::string_view expression,
                            PreprocessorHost& host) {
  if (expression.empty()) {
    host.preprocessorError(ErrorCode::MissingCondition, directiveName);
    return false;
  }
  condition_.clear();
  if (!expand(expression, condition_, true, host, 0)) return false;
  return host.preprocessorCondition(directiveName, condition_);
}

void Preprocessor::define(std::string_view rest, PreprocessorHost& host) {
  const std::size_t stop = nameEnd(rest, 0);
  if (stop == 0) {
    host.preprocessorError(ErrorCode::MissingMacroName, "#define");
    return;
  }
  const std::string_view name = rest.substr(0, stop);
  Define definition;
  std::size_t bodyStart = stop;
  // NAME( with no blank between makes a macro with parameters, as in C.
  if (stop < rest.size() && rest[stop] == '(') {
    definition.functionLike = true;
    std::size_t i = skipBlanks(rest, stop + 1);
    bool expectName = true;
    while (i < rest.size() && rest[i] != ')') {
      const std::size_t end = nameEnd(rest, i);
      if (expectName && end > i) {
        definition.params.emplace_back(rest.substr(i, end - i));
        i = end;
      } else if (!expectName && rest[i] == ',') {
        ++i;
      } else {
        break;
      }
      expectName = !expectName;
      i = skipBlanks(rest, i);
    }
    if (i >= rest.size() || rest[i] != ')' || (expectName && !definition.params.empty())) {
      host.preprocessorError(ErrorCode::BadParameterList, std::string(name));
      return;
    }
    bodyStart = i + 1;
  }
  definition.body = std::string(trimBlanks(rest.substr(bodyStart)));
  auto [it, added] = defines_.try_emplace(std::string(name));
  // Defined again, the name takes its new text.
  it->second = std::move(definition);
  if (added) ++firstBytes_[static_cast<unsigned char>(name[0])];
}

void Preprocessor::undefine(std::string_view name) {
  const auto it = defines_.find(name);
  if (it == defines_.end()) return;
  --firstBytes_[static_cast<unsigned char>(name[0])];
  defines_.erase(it);
}

// The name to blame for an expansion that went too far: the outermost one
// being expanded, which the line itself wrote.
std::string Preprocessor::culprit(std::string_view innermost) const {
  return std::string(expanding_.empty() ? innermost : expanding_.front());
}

const Preprocessor::Define* Preprocessor::find(std::string_view name) const {
  if (firstBytes_[static_cast<unsigned char>(name[0])] == 0) return nullptr;
  const auto it = defines_.find(name);
  return it == defines_.end() ? nullptr : &it->second;
}

// `defined NAME` or `defined(NAME)` after text[from] becomes 1 or 0; the
// index past it, or npos after an error.
std::size_t Preprocessor::definedOperand(std::string_view text, std::size_t from, std::string& out,
                                         PreprocessorHost& host) const {
  std::size_t i = skipBlanks(text, from);
  const bool paren = i < text.size() && text[i] == '(';
  if (paren) i = skipBlanks(text, i + 1);
  const std::size_t end = nameEnd(text, i);
  std::size_t after = skipBlanks(text, end);
  if (end == i || (paren && (after >= text.size() || text[after] != ')'))) {
    host.preprocessorError(ErrorCode::MissingMacroName, "defined");
    return npos;
  }
  if (paren) ++after;
  out.push_back(find(text.substr(i, end - i)) ? '1' : '0');
  return after;
}

// Appends `text` to `out` with the #define'd names replaced, and replaced
// again in what they become, except for a name inside its own expansion.
// False after an error, which is reported.
bool Preprocessor::expand(std::string_view text, std::string& out, bool condition,
                          PreprocessorHost& host, int depth) {
  std::vector<std::string_view> args;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    std::size_t end = i + 1;
    if (c == ';' && !condition) {
      end = text.size();
    } else if (c == '\'' || c == '"') {
      end = stringEnd(text, i);
    } else if (isDigit(c)) {
      end = numberEnd(text, i);
    } else if (identStart(c)) {
      end = nameEnd(text, i);
      const std::string_view name = text.substr(i, end - i);
      if (condition && name == "defined") {
        i = definedOperand(text, end, out, host);
        if (i == npos) return false;
        continue;
      }
      const Define* definition = find(name);
      if (definition && std::find(expanding_.begin(), expanding_.end(), name) == expanding_.end()) {
        std::string called;
        std::size_t next = end;
        if (definition->functionLike) {
          const std::size_t open = skipBlanks(text, end);
          // Without (arguments) the name of a macro with parameters stays.
          if (open < text.size() && text[open] == '(') {
            const std::size_t close = splitArguments(text, open, args);
            if (args.size() == 1 && args[0].empty() && definition->params.empty()) args.clear();
            if (close == npos || args.size() != definition->params.size()) {
              host.preprocessorError(ErrorCode::BadMacroCall, std::string(name),
                                     std::to_string(definition->params.size()));
              return false;
            }
            // As in C, the arguments are expanded first, so that SQ(SQ(2))
            // works although SQ is not expanded inside SQ's own body.
            std::vector<std::string> expandedArgs(args.size());
            for (std::size_t k = 0; k < args.size(); ++k)
              if (!expand(args[k], expandedArgs[k], condition, host, depth + 1)) return false;
            called = substitute(definition->body, definition->params, expandedArgs);
            next = close + 1;
            if (called.size() > kMaxExpandedLine) {
              host.preprocessorError(ErrorCode::LineTooLong, std::string(name));
              return false;
            }
          } else {
            definition = nullptr;
          }
        }
        if (definition) {
          if (depth >= kMaxDefineDepth) {
            host.preprocessorError(ErrorCode::DefineTooDeep, culprit(name));
            return false;
          }
          expanded_ = true;
          work_ += kReplacementCost + next - i + called.size();
          lastExpanded_ = defines_.find(name)->first;
          expanding_.push_back(lastExpanded_);
          const bool ok = expand(definition->functionLike ? std::string_view(called)
                                                          : std::string_view(definition->body),
                                 out, condition, host, depth + 1);
          expanding_.pop_back();
          if (!ok) return false;
          i = next;
          continue;
        }
      }
    }
    out.append(text.substr(i, end - i));
    // The line as written costs what reading it costs anyway; what the
    // replacements bring in is bounded.
    if (depth > 0) work_ += end - i;
    if (expanded_ && (out.size() > kMaxExpandedLine || work_ > kMaxWorkPerLine)) {
      host.preprocessorError(ErrorCode::LineTooLong, culprit(lastExpanded_));
      return false;
    }
    i = end;
  }
  return true;
}

}  // namespace asm51
