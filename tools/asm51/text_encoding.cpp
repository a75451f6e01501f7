#include "text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "base/cp1250.h"

namespace asm51 {
namespace {

// 0x80..0xFF of Windows-1250, the table the front-end decodes listings with.
using tamrill::kCp1250HighHalf;

// Length of the valid UTF-8 sequence at text[i], or 0. Overlong forms,
// surrogates and values past U+10FFFF are invalid.
std::size_t sequenceLength(std::string_view text, std::size_t i, char32_t* decoded) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  char32_t value = 0;
  if (lead < 0x80) {
    length = 1;
    value = lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  if ((length == 3 && (value < 0x800 || (value >= 0xD800 && value <= 0xDFFF))) ||
      (length == 4 && (value < 0x10000 || value > 0x10FFFF)))
    return 0;
  if (decoded) *decoded = value;
  return length;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The way back, for U+0000..U+02FF directly: a listing may hold many messages.
constexpr std::size_t kDirect = 0x300;
constexpr std::array<unsigned char, kDirect> kToCp1250 = [] {
  std::array<unsigned char, kDirect> table{};
  for (std::size_t c = 0; c < 0x80; ++c) table[c] = static_cast<unsigned char>(c);
  for (std::size_t k = 0; k < kCp1250HighHalf.size(); ++k)
    if (kCp1250HighHalf[k] < kDirect)
      table[kCp1250HighHalf[k]] = static_cast<unsigned char>(0x80 + k);
  return table;
}();

char toCp1250(char32_t c) {
  if (c < kDirect) return c == 0 || kToCp1250[c] != 0 ? static_cast<char>(kToCp1250[c]) : '?';
  for (std::size_t k = 0; k < kCp1250HighHalf.size(); ++k)
    if (kCp1250HighHalf[k] == c) return static_cast<char>(0x80 + k);
  return '?';
}

}  // namespace

TextEncoding sourceEncoding(std::string_view raw) {
  if (raw.starts_with(kUtf8Bom)) return TextEncoding::Utf8;
  bool nonAscii = false;
  std::size_t i = 0;
  while (i < raw.size()) {
    // Eight ASCII bytes at a time: most of a source is ASCII.
    std::uint64_t eight = 0;
    if (i + 8 <= raw.size()) {
      std::memcpy(&eight, raw.data() + i, 8);
      if ((eight & 0x8080808080808080u) == 0) {
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(raw[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = sequenceLength(raw, i, nullptr);
    if (length == 0) return TextEncoding::Windows1250;
    nonAscii = true;
    i += length;
  }
  return nonAscii ? TextEncoding::Utf8 : TextEncoding::Windows1250;
}

void appendOwnText(std::string& out, std::string_view utf8, TextEncoding to) {
  if (to == TextEncoding::Utf8) {
    out += utf8;
    return;
  }
  std::size_t i = 0;
  while (i < utf8.size()) {
    // Most of a message is ASCII, which both encodings share.
    std::size_t ascii = i;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    out.append(utf8.substr(i, ascii - i));
    i = ascii;
    if (i == utf8.size()) break;
    char32_t c = 0;
    const std::size_t length = sequenceLength(utf8, i, &c);
    if (length == 0) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(toCp1250(c));
    i += length;
  }
}

void appendSourceText(std::string& out, std::string_view bytes, TextEncoding from,
                      TextEncoding to) {
  if (from == to) {
    out += bytes;
  } else if (from == TextEncoding::Utf8) {
    appendOwnText(out, bytes, to);
  } else {
    for (const char b : bytes) {
      const auto byte = static_cast<unsigned char>(b);
      appendUtf8(out, byte < 0x80 ? char32_t{byte} : char32_t{kCp1250HighHalf[byte - 0x80]});
    }
  }
}

}  // namespace asm51
