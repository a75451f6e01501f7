#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "assembler.h"

namespace asm51::test {

// Assembles text with an in-memory set of include files. "mod51" and "mod52"
// come from the real files in the source tree unless `files` has its own.
AssemblyResult assembleText(std::string_view text,
                            const std::map<std::string, std::string>& files = {});

std::vector<std::uint8_t> bytesAt(const AssemblyResult& result, std::uint16_t address,
                                  std::size_t count);
// The code of a one-instruction program at address 0.
std::vector<std::uint8_t> encode(std::string_view line);
// Codes of the errors, in order; warnings are left out.
std::vector<ErrorCode> errorCodes(const AssemblyResult& result);
std::vector<ErrorCode> warningCodes(const AssemblyResult& result);

std::string readFile(const std::string& path);
// Memory image of an Intel HEX text, checking every record's checksum.
// Throws std::runtime_error on a malformed record.
std::map<std::uint16_t, std::uint8_t> parseIntelHex(std::string_view text);

}  // namespace asm51::test
