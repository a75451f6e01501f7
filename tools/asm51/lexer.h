#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ascii.h"

namespace asm51 {

enum class Tok : std::uint8_t {
  End,
  Ident,
  Number,
  String,
  Comma,
  Colon,
  Hash,
  At,
  Slash,
  Plus,
  Minus,
  Star,
  LParen,
  RParen,
  Dot,
  Dollar,
  Eq,
  Ne,
  Lt,
  Le,
  Gt,
  Ge,
  // C spellings that sources written for other tools use: << >> | & ~ % ^
  Shl,
  Shr,
  Pipe,
  Amp,
  Tilde,
  Percent,
  Caret,
  // C's logical operators, for conditions written as a C preprocessor's:
  // && || ! (== and != read as = and <>)
  AndAnd,
  OrOr,
  Bang,
  Bad,
};

struct Token {
  Tok kind = Tok::End;
  std::string_view text;  // slice of the line; for strings, without the quotes
  std::uint32_t value = 0;
  bool badNumber = false;
  bool doubledQuotes = false;  // string text still holds '' or "" pairs
  bool unterminated = false;   // a string without its closing quote (kind Bad)
};

// Splits one source line (without its line end) into tokens, stopping at a
// comment. The returned views point into `line`. Always ends with Tok::End.
std::vector<Token> tokenize(std::string_view line);
// The same into a caller's vector, reusing its storage line after line.
void tokenize(std::string_view line, std::vector<Token>& tokens);

// The text of tokens of one line as it is written there, from the first
// token to the last, quotes of strings included.
std::string_view writtenText(std::span<const Token> tokens);

// An expression as written, with its value after it unless it is a number
// already: "300", "COUNT*100 (= 500)", or in hexadecimal "X (= 0200H)". A
// long one is shortened, its value kept.
std::string writtenWithValue(std::span<const Token> tokens, std::uint16_t value, bool hex);

// Text for a message: at most `most` bytes and "...", not cut inside a UTF-8
// character; what a #define or macro expanded can be kilobytes long.
std::string shortened(std::string_view text, std::size_t most);

// String contents with doubled quote characters collapsed.
std::string stringValue(const Token& token);

// 0..7 for a token that names R0..R7 in any letter case, otherwise -1.
int registerNumber(const Token& token);

bool identStart(char c);
bool identChar(char c);

// Bytes of the blank that starts at text[i], 0 when there is none. A
// no-break space pasted from a web page is a blank in either encoding an
// editor may have saved it in: A0 (Windows-1250) or C2 A0 (UTF-8).
inline std::size_t blankLength(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c <= ' ')
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v' || c == 0x1A ? 1 : 0;
  if (c < 0xA0) return 0;
  if (c == 0xA0) return 1;
  return c == 0xC2 && i + 1 < text.size() && text[i + 1] == '\xA0' ? 2 : 0;
}
// Offset of the first character that is not a blank; npos when none is.
inline std::size_t firstNonBlank(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
      continue;
    }
    const std::size_t n = blankLength(text, i);
    if (n == 0) return i;
    i += n;
  }
  return std::string_view::npos;
}
// The text without blanks at either end.
std::string_view trimBlanks(std::string_view text);

}  // namespace asm51
