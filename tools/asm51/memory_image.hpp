#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace asm51 {

// The 64 KiB code space, remembering which bytes were written.
class MemoryImage {
public:
    MemoryImage() : bytes_(0x10000, 0), used_(0x10000, false) {}

    void set(std::uint16_t address, std::uint8_t value) {
        bytes_[address] = value;
        used_[address] = true;
    }
    bool used(std::uint16_t address) const { return used_[address]; }
    std::uint8_t at(std::uint16_t address) const { return bytes_[address]; }
    bool empty() const {
        for (bool u : used_)
            if (u) return false;
        return true;
    }
    void clear() {
        std::fill(bytes_.begin(), bytes_.end(), 0);
        std::fill(used_.begin(), used_.end(), false);
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<bool> used_;
};

}  // namespace asm51
