#include "register_files.h"

#include <string>

#include "ascii.h"
#include "builtin_names.h"

namespace asm51 {
namespace {

enum class Chip { I8051, I8052, At89s52 };

struct FileName {
  std::string_view name;  // upper-case
  Chip chip;
};

constexpr FileName kFiles[] = {
    {"REG51.INC", Chip::I8051},     {"8051.MCU", Chip::I8051},    {"REG51.H", Chip::I8051},
    {"REG52.INC", Chip::I8052},     {"8052.MCU", Chip::I8052},    {"REG52.H", Chip::I8052},
    {"AT89X52.INC", Chip::At89s52}, {"AT89X52.H", Chip::At89s52},
};

// What the AT89S52 adds to the 8052, from its special function register map.
constexpr std::string_view kAt89s52Extra = R"(
; AT89S52: the dual data pointer, the auxiliary registers and the watchdog
DP0L    DATA    82H
DP0H    DATA    83H
DP1L    DATA    84H
DP1H    DATA    85H
AUXR    DATA    8EH
AUXR1   DATA    0A2H
WDTRST  DATA    0A6H
T2MOD   DATA    0C9H
)";

std::string_view at89s52Names() {
  static const std::string text = std::string(builtin8052Names()) + std::string(kAt89s52Extra);
  return text;
}

}  // namespace

std::optional<std::string_view> builtinRegisterFile(std::string_view name) {
  const std::size_t slash = name.find_last_of("\\/:");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  for (const FileName& file : kFiles) {
    if (!equalsUpper(name, file.name)) continue;
    switch (file.chip) {
      case Chip::I8051:
        return builtinNames();
      case Chip::I8052:
        return builtin8052Names();
      case Chip::At89s52:
        return at89s52Names();
    }
  }
  return std::nullopt;
}

}  // namespace asm51
