#include "text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace asm51 {
namespace {

// 0x80..0xFF of Windows-1250. The five bytes the code page leaves unassigned
// keep their own value, as Windows decodes them.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

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
  for (std::size_t k = 0; k < kHighHalf.size(); ++k)
    if (kHighHalf[k] < kDirect) table[kHighHalf[k]] = static_cast<unsigned char>(0x80 + k);
  return table;
}();

char toCp1250(char32_t c) {
  if (c < kDirect) return c == 0 || kToCp1250[c] != 0 ? static_cast<char>(kToCp1250[c]) : '?';
  for (std::size_t k = 0; k < kHighHalf.size(); ++k)
    if (kHighHalf[k] == c) return static_cast<char>(0x80 + k);
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
      appendUtf8(out, byte < 0x80 ? char32_t{byte} : char32_t{kHighHalf[byte - 0x80]});
    }
  }
}

}  // namespace asm51
