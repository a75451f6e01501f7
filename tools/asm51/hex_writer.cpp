#include "hex_writer.h"

#include <algorithm>

#include "ascii.h"

namespace asm51 {
namespace {

void appendHexByte(std::string& out, unsigned value) {
  appendHex(out, value & 0xFF, 2);
}

void appendRecord(std::string& out, unsigned address, unsigned type, const MemoryImage& image,
                  unsigned count) {
  unsigned sum = count + (address >> 8) + (address & 0xFF) + type;
  out.push_back(':');
  appendHexByte(out, count);
  appendHexByte(out, address >> 8);
  appendHexByte(out, address & 0xFF);
  appendHexByte(out, type);
  for (unsigned i = 0; i < count; ++i) {
    const unsigned b = image.at(static_cast<std::uint16_t>(address + i));
    sum += b;
    appendHexByte(out, b);
  }
  appendHexByte(out, (0x100 - (sum & 0xFF)) & 0xFF);
  out += "\r\n";
}

}  // namespace

std::string writeIntelHex(const MemoryImage& image) {
  std::string out;
  unsigned address = image.low();
  while (address < image.high()) {
    if (!image.used(static_cast<std::uint16_t>(address))) {
      ++address;
      continue;
    }
    unsigned count = 0;
    while (count < 16 && address + count < image.high() &&
           image.used(static_cast<std::uint16_t>(address + count)))
      ++count;
    appendRecord(out, address, 0, image, count);
    address += count;
  }
  out += ":00000001FF\r\n";
  return out;
}

}  // namespace asm51
