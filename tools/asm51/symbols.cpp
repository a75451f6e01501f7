#include "symbols.h"

#include <algorithm>

namespace asm51 {

std::string_view symbolTypeName(SymbolType type) {
  switch (type) {
    case SymbolType::Number:
      return "NUMB";
    case SymbolType::Set:
      return "SET";
    case SymbolType::Code:
      return "CODE";
    case SymbolType::Data:
      return "DATA";
    case SymbolType::Idata:
      return "IDATA";
    case SymbolType::Xdata:
      return "XDATA";
    case SymbolType::Bit:
      return "BIT";
    case SymbolType::Register:
      return "REG";
  }
  return "NUMB";
}

Symbol* SymbolTable::find(std::string_view upperName) {
  const auto it = map_.find(upperName);
  return it == map_.end() ? nullptr : &it->second;
}

const Symbol* SymbolTable::find(std::string_view upperName) const {
  const auto it = map_.find(upperName);
  return it == map_.end() ? nullptr : &it->second;
}

Symbol& SymbolTable::add(std::string upperName, Symbol symbol) {
  return map_.insert_or_assign(std::move(upperName), std::move(symbol)).first->second;
}

void SymbolTable::remove(std::string_view upperName) {
  if (const auto it = map_.find(upperName); it != map_.end()) map_.erase(it);
}

std::vector<const Symbol*> SymbolTable::userSymbols() const {
  std::vector<std::pair<const std::string*, const Symbol*>> keyed;
  for (const auto& [key, symbol] : map_)
    if (!symbol.fromModFile) keyed.emplace_back(&key, &symbol);
  std::sort(keyed.begin(), keyed.end(),
            [](const auto& a, const auto& b) { return *a.first < *b.first; });
  std::vector<const Symbol*> out;
  out.reserve(keyed.size());
  for (const auto& entry : keyed) out.push_back(entry.second);
  return out;
}

}  // namespace asm51
