#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace asm51 {

// Register: a name for one of R0..R7 (NAME EQU R3); its value is the number.
enum class SymbolType : std::uint8_t { Number, Set, Code, Data, Idata, Xdata, Bit, Register };

std::string_view symbolTypeName(SymbolType type);

struct Symbol {
  std::string name;  // as first written
  SymbolType type = SymbolType::Number;
  std::uint16_t value = 0;
  bool known = false;
  bool assumed = false;  // not known yet, but worked out from an earlier run's values
  bool fromModFile = false;
  int definedAt = -1;       // statement index of the defining line
  int firstDefinedAt = -1;  // the first one, for a name SET more than once
  bool predefined = false;  // an 8051 name the source may define itself
};

// Names are case-insensitive; keys are upper-case.
class SymbolTable {
 public:
  Symbol* find(std::string_view upperName);
  const Symbol* find(std::string_view upperName) const;
  // Creates the entry; the caller has checked that it does not exist yet.
  Symbol& add(std::string upperName, Symbol symbol);
  void remove(std::string_view upperName);
  // User symbols (not those from a register definition file), sorted by name.
  std::vector<const Symbol*> userSymbols() const;

 private:
  // Lets lookups use a string_view without building a std::string.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_map<std::string, Symbol, Hash, std::equal_to<>> map_;
};

}  // namespace asm51
