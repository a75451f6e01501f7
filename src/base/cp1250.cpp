#include "base/cp1250.h"

namespace tamrill {

char16_t fromCp1250(unsigned char byte) {
  return byte < 0x80 ? static_cast<char16_t>(byte) : kCp1250HighHalf[byte - 0x80];
}

Text decodeCp1250(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  for (const char b : bytes) out.push_back(fromCp1250(static_cast<unsigned char>(b)));
  return out;
}

}  // namespace tamrill
