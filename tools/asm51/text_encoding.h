#pragma once

#include <string>
#include <string_view>

namespace asm51 {

// The listing is written in the encoding its source was saved in, so that
// the user's own comments and the assembler's Czech messages both read right.
enum class TextEncoding : unsigned char { Windows1250, Utf8 };

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// UTF-8 when the text starts with a byte-order mark, or when it is valid
// UTF-8 and holds at least one non-ASCII character; Windows-1250 otherwise.
TextEncoding sourceEncoding(std::string_view raw);

// Appends the assembler's own text (UTF-8) in the encoding `to`; a character
// that Windows-1250 lacks becomes '?'.
void appendOwnText(std::string& out, std::string_view utf8, TextEncoding to);

// Appends bytes of a source in encoding `from` as encoding `to`.
void appendSourceText(std::string& out, std::string_view bytes, TextEncoding from, TextEncoding to);

}  // namespace asm51
