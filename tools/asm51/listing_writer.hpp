#pragma once

#include <string>
#include <string_view>

#include "assembler.hpp"

namespace asm51 {

// The listing: a header, every listed line with its number, address and
// object bytes, errors under their lines, the summary line, an error
// summary and the symbol table. CRLF line ends.
std::string writeListing(const AssemblyResult& result, std::string_view sourceName);

}  // namespace asm51
