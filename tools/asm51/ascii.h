#pragma once

#include <string>
#include <string_view>

namespace asm51 {

// Letter case in sources, names and file names is folded for ASCII letters
// only: bytes of other code pages are kept as they are, whatever the locale.
template <typename Char>
constexpr Char asciiUpper(Char c) {
  return c >= Char('a') && c <= Char('z') ? static_cast<Char>(c - Char('a') + Char('A')) : c;
}

template <typename Char>
constexpr Char asciiLower(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <typename Char>
std::basic_string<Char> asciiLowered(std::basic_string<Char> text) {
  for (Char& c : text) c = asciiLower(c);
  return text;
}

inline std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = asciiUpper(c);
  return out;
}

// True when `text` spells `upperWord` in any letter case.
constexpr bool equalsUpper(std::string_view text, std::string_view upperWord) {
  if (text.size() != upperWord.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (asciiUpper(text[i]) != upperWord[i]) return false;
  return true;
}

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// 0..15 for a hexadecimal digit in either case, otherwise 16 or more.
constexpr int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = asciiUpper(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Appends `digits` upper-case hexadecimal digits of `value`.
inline void appendHex(std::string& out, unsigned value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
    out.push_back(kHexDigits[(value >> shift) & 0xF]);
}

// A number as an Intel source writes it: at least `digits` hexadecimal
// digits, a 0 ahead of a leading letter, and the H (0FFH, 0020H).
inline std::string intelHex(unsigned value, int digits = 4) {
  std::string out;
  int needed = 1;
  while (needed < 8 && (value >> (4 * needed)) != 0) ++needed;
  appendHex(out, value, needed > digits ? needed : digits);
  if (out[0] > '9') out.insert(out.begin(), '0');
  out.push_back('H');
  return out;
}

}  // namespace asm51
