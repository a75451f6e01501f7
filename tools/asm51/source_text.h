#pragma once

#include <string>

namespace asm51 {

// Makes a source or included file's text what the lines are read from: a
// UTF-8 byte-order mark is dropped, and a Ctrl-Z, which old DOS editors put
// at the end, ends the text. True when there was a byte-order mark.
bool normalizeSourceText(std::string& text);

}  // namespace asm51
