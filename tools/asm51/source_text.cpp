#include "source_text.h"

namespace asm51 {

bool normalizeSourceText(std::string& text) {
  const bool bom = text.starts_with("\xEF\xBB\xBF");
  if (bom) text.erase(0, 3);
  if (const std::size_t end = text.find('\x1A'); end != std::string::npos) text.resize(end);
  return bom;
}

}  // namespace asm51
