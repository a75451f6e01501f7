#include "lexer.h"

#include <optional>

#include "ascii.h"

namespace asm51 {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isAlpha(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Digits in the given base, up to 32 bits; nullopt when they are not.
std::optional<std::uint32_t> digitsValue(std::string_view digits, unsigned base) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int d = hexDigitValue(c);
    if (d >= static_cast<int>(base)) return std::nullopt;
    value = value * base + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFF) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

unsigned suffixBase(char last) {
  switch (asciiUpper(last)) {
    case 'H':
      return 16;
    case 'B':
      return 2;
    case 'O':
    case 'Q':
      return 8;
    case 'D':
      return 10;
    default:
      return 0;
  }
}

// Intel numbers: digits with an optional base letter at the end (H, B, O, Q,
// D). Failing that, C's 0x1F, which sources written for other tools use.
void readNumber(Token& token) {
  std::string_view digits = token.text;
  const unsigned suffix = suffixBase(digits.back());
  if (suffix != 0) digits.remove_suffix(1);
  std::optional<std::uint32_t> value = digitsValue(digits, suffix != 0 ? suffix : 10);
  if (!value && token.text.size() > 2 && token.text[0] == '0' && asciiUpper(token.text[1]) == 'X')
    value = digitsValue(token.text.substr(2), 16);
  token.value = value.value_or(0);
  token.badNumber = !value;
}

}  // namespace

bool identStart(char c) {
  return isAlpha(c) || c == '_' || c == '?';
}

int registerNumber(const Token& token) {
  if (token.kind != Tok::Ident || token.text.size() != 2 || asciiUpper(token.text[0]) != 'R')
    return -1;
  if (token.text[1] < '0' || token.text[1] > '7') return -1;
  return token.text[1] - '0';
}
bool identChar(char c) {
  return identStart(c) || isDigit(c);
}

std::string stringValue(const Token& token) {
  if (!token.doubledQuotes) return std::string(token.text);
  std::string out;
  out.reserve(token.text.size());
  for (std::size_t i = 0; i < token.text.size(); ++i) {
    out.push_back(token.text[i]);
    if ((token.text[i] == '\'' || token.text[i] == '"') && i + 1 < token.text.size() &&
        token.text[i + 1] == token.text[i])
      ++i;
  }
  return out;
}

std::string_view writtenText(std::span<const Token> tokens) {
  while (!tokens.empty() && tokens.back().kind == Tok::End)
    tokens = tokens.first(tokens.size() - 1);
  if (tokens.empty()) return {};
  const Token& first = tokens.front();
  const Token& last = tokens.back();
  const bool quotedFirst =
      first.kind == Tok::String || (first.kind == Tok::Bad && first.unterminated);
  const char* begin = first.text.data() - (quotedFirst ? 1 : 0);
  const char* end = last.text.data() + last.text.size() + (last.kind == Tok::String ? 1 : 0);
  return end > begin ? std::string_view(begin, static_cast<std::size_t>(end - begin))
                     : std::string_view{};
}

std::string shortened(std::string_view text, std::size_t most) {
  if (text.size() <= most) return std::string(text);
  std::size_t cut = most;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "...";
}

std::string writtenWithValue(std::span<const Token> tokens, std::uint16_t value, bool hex) {
  std::string out = shortened(writtenText(tokens), 60);
  if (tokens.size() == 1 && tokens[0].kind == Tok::Number) return out;
  out += " (= ";
  out += hex ? intelHex(value) : std::to_string(value);
  out += ')';
  return out;
}

std::vector<Token> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  tokenize(line, tokens);
  return tokens;
}

namespace {

Token makeToken(Tok kind, std::string_view text) {
  Token t;
  t.kind = kind;
  t.text = text;
  return t;
}

// Each scanner reads one token that starts at line[i] and sets `end` past it.

Token scanName(std::string_view line, std::size_t i, std::size_t& end) {
  end = i + 1;
  while (end < line.size() && identChar(line[end])) ++end;
  return makeToken(Tok::Ident, line.substr(i, end - i));
}

// Letters belong to a number: base suffixes, hex digits, and typing errors
// that must be reported as a bad number rather than split off.
Token scanNumber(std::string_view line, std::size_t i, std::size_t& end) {
  end = i + 1;
  while (end < line.size() && (isDigit(line[end]) || isAlpha(line[end]))) ++end;
  Token t = makeToken(Tok::Number, line.substr(i, end - i));
  readNumber(t);
  return t;
}

// 'text' or "text"; a doubled quote inside stands for one quote character.
// Unclosed, it takes the rest of the line as a bad token.
Token scanString(std::string_view line, std::size_t i, std::size_t& end) {
  const char quote = line[i];
  std::size_t j = i + 1;
  bool doubled = false;
  bool closed = false;
  while (j < line.size()) {
    if (line[j] == quote) {
      if (j + 1 < line.size() && line[j + 1] == quote) {
        doubled = true;
        j += 2;
        continue;
      }
      closed = true;
      break;
    }
    ++j;
  }
  Token t = makeToken(closed ? Tok::String : Tok::Bad, line.substr(i + 1, j - i - 1));
  t.doubledQuotes = doubled;
  t.unterminated = !closed;
  end = closed ? j + 1 : line.size();
  return t;
}

// clang-format off
Tok singleCharKind(char c) {
  switch (c) {
    case ',': return Tok::Comma;   case ':': return Tok::Colon;
    case '#': return Tok::Hash;    case '@': return Tok::At;
    case '/': return Tok::Slash;   case '+': return Tok::Plus;
    case '-': return Tok::Minus;   case '*': return Tok::Star;
    case '(': return Tok::LParen;  case ')': return Tok::RParen;
    case '.': return Tok::Dot;     case '$': return Tok::Dollar;
    case '=': return Tok::Eq;      case '<': return Tok::Lt;
    case '>': return Tok::Gt;      case '|': return Tok::Pipe;
    case '&': return Tok::Amp;     case '~': return Tok::Tilde;
    case '%': return Tok::Percent; case '^': return Tok::Caret;
    case '!': return Tok::Bang;
    default:  return Tok::Bad;
  }
}
// clang-format on

// Operators and punctuation, the two-character ones first.
Token scanPunctuation(std::string_view line, std::size_t i, std::size_t& end) {
  const char c = line[i];
  const char next = i + 1 < line.size() ? line[i + 1] : '\0';
  Tok kind = Tok::Bad;
  switch (c) {
    case '<':
      kind = next == '>' ? Tok::Ne : next == '=' ? Tok::Le : next == '<' ? Tok::Shl : Tok::Bad;
      break;
    case '>':
      kind = next == '=' ? Tok::Ge : next == '>' ? Tok::Shr : Tok::Bad;
      break;
    case '=':
      kind = next == '=' ? Tok::Eq : Tok::Bad;
      break;
    case '!':
      kind = next == '=' ? Tok::Ne : Tok::Bad;
      break;
    case '&':
      kind = next == '&' ? Tok::AndAnd : Tok::Bad;
      break;
    case '|':
      kind = next == '|' ? Tok::OrOr : Tok::Bad;
      break;
    default:
      break;
  }
  const std::size_t length = kind == Tok::Bad ? 1 : 2;
  if (length == 1) kind = singleCharKind(c);
  end = i + length;
  return makeToken(kind, line.substr(i, length));
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
  const std::size_t first = firstNonBlank(text);
  if (first == std::string_view::npos) return {};
  text.remove_prefix(first);
  for (;;) {
    const std::size_t last = text.size() - 1;
    if (last > 0 && text[last] == '\xA0' && text[last - 1] == '\xC2')
      text.remove_suffix(2);
    else if (blankLength(text, last) == 1)
      text.remove_suffix(1);
    else
      return text;
  }
}

void tokenize(std::string_view line, std::vector<Token>& tokens) {
  tokens.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (const std::size_t blank = blankLength(line, i)) {
      i += blank;
      continue;
    }
    if (c == ';') break;
    std::size_t end = i;
    if (identStart(c))
      tokens.push_back(scanName(line, i, end));
    else if (isDigit(c))
      tokens.push_back(scanNumber(line, i, end));
    else if (c == '\'' || c == '"')
      tokens.push_back(scanString(line, i, end));
    else
      tokens.push_back(scanPunctuation(line, i, end));
    i = end;
  }
  tokens.push_back(makeToken(Tok::End, line.substr(line.size())));
}

}  // namespace asm51
