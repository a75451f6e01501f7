#pragma once

#include <cstdint>
#include <vector>

namespace asm51 {

// The 64 KiB code space, remembering which bytes were written and the span
// that holds them, so that readers need not walk all of it.
class MemoryImage {
 public:
  MemoryImage() : bytes_(0x10000, 0), used_(0x10000, 0) {}

  void set(std::uint16_t address, std::uint8_t value) {
    bytes_[address] = value;
    used_[address] = 1;
    if (address < low_) low_ = address;
    if (address + 1u > high_) high_ = address + 1u;
  }
  bool used(std::uint16_t address) const { return used_[address] != 0; }
  std::uint8_t at(std::uint16_t address) const { return bytes_[address]; }
  bool empty() const { return high_ == 0; }
  // Written bytes all lie in [low(), high()).
  std::uint32_t low() const { return empty() ? 0 : low_; }
  std::uint32_t high() const { return high_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint8_t> used_;
  std::uint32_t low_ = 0x10000;
  std::uint32_t high_ = 0;
};

}  // namespace asm51
