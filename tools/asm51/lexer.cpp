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

std::vector<Token> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  tokenize(line, tokens);
  return tokens;
}

void tokenize(std::string_view line, std::vector<Token>& tokens) {
  tokens.clear();
  std::size_t i = 0;
  const std::size_t n = line.size();
  auto single = [&](Tok kind, std::size_t len) {
    Token t;
    t.kind = kind;
    t.text = line.substr(i, len);
    tokens.push_back(t);
    i += len;
  };
  while (i < n) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v' || c == '\x1a') {
      ++i;
      continue;
    }
    if (c == ';') break;
    if (identStart(c)) {
      std::size_t j = i + 1;
      while (j < n && identChar(line[j])) ++j;
      single(Tok::Ident, j - i);
      continue;
    }
    if (isDigit(c)) {
      std::size_t j = i + 1;
      while (j < n && (isDigit(line[j]) || isAlpha(line[j]))) ++j;
      Token t;
      t.kind = Tok::Number;
      t.text = line.substr(i, j - i);
      readNumber(t);
      tokens.push_back(t);
      i = j;
      continue;
    }
    if (c == '\'' || c == '"') {
      // A doubled quote inside stands for one quote character.
      std::size_t j = i + 1;
      bool doubled = false;
      bool closed = false;
      while (j < n) {
        if (line[j] == c) {
          if (j + 1 < n && line[j + 1] == c) {
            doubled = true;
            j += 2;
            continue;
          }
          closed = true;
          break;
        }
        ++j;
      }
      Token t;
      t.kind = closed ? Tok::String : Tok::Bad;
      t.text = line.substr(i + 1, j - i - 1);
      t.doubledQuotes = doubled;
      tokens.push_back(t);
      i = closed ? j + 1 : n;
      continue;
    }
    const char next = i + 1 < n ? line[i + 1] : '\0';
    switch (c) {
      case ',':
        single(Tok::Comma, 1);
        break;
      case ':':
        single(Tok::Colon, 1);
        break;
      case '#':
        single(Tok::Hash, 1);
        break;
      case '@':
        single(Tok::At, 1);
        break;
      case '/':
        single(Tok::Slash, 1);
        break;
      case '+':
        single(Tok::Plus, 1);
        break;
      case '-':
        single(Tok::Minus, 1);
        break;
      case '*':
        single(Tok::Star, 1);
        break;
      case '(':
        single(Tok::LParen, 1);
        break;
      case ')':
        single(Tok::RParen, 1);
        break;
      case '.':
        single(Tok::Dot, 1);
        break;
      case '$':
        single(Tok::Dollar, 1);
        break;
      case '=':
        single(Tok::Eq, 1);
        break;
      case '<':
        if (next == '>')
          single(Tok::Ne, 2);
        else if (next == '<')
          single(Tok::Shl, 2);
        else if (next == '=')
          single(Tok::Le, 2);
        else
          single(Tok::Lt, 1);
        break;
      case '>':
        if (next == '=')
          single(Tok::Ge, 2);
        else if (next == '>')
          single(Tok::Shr, 2);
        else
          single(Tok::Gt, 1);
        break;
      case '|':
        single(Tok::Pipe, 1);
        break;
      case '&':
        single(Tok::Amp, 1);
        break;
      case '~':
        single(Tok::Tilde, 1);
        break;
      case '%':
        single(Tok::Percent, 1);
        break;
      default:
        single(Tok::Bad, 1);
        break;
    }
  }
  Token end;
  end.kind = Tok::End;
  end.text = line.substr(n);
  tokens.push_back(end);
}

}  // namespace asm51
