#pragma once

#include <optional>
#include <string_view>

namespace asm51 {

// The register definition files that sources written for other tools
// include (REG51.INC, REG52.INC, 8051.MCU, 8052.MCU, AT89X52.INC, and the
// same names with .H), which the assembler carries itself for a folder that
// has none: their text for such a name, written with any path and in any
// letter case; nullopt for any other name.
std::optional<std::string_view> builtinRegisterFile(std::string_view name);

}  // namespace asm51
