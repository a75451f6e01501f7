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
// already: "300", "COUNT*100 (= 500)", or in hexadecimal "X (= 0200H)".
std::string writtenWithValue(std::span<const Token> tokens, std::uint16_t value, bool hex);

// String contents with doubled quote characters collapsed.
std::string stringValue(const Token& token);

// 0..7 for a token that names R0..R7 in any letter case, otherwise -1.
int registerNumber(const Token& token);

bool identStart(char c);
bool identChar(char c);

}  // namespace asm51
