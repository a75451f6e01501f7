#include "support.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace asm51::test {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

AssemblyResult assembleText(std::string_view text,
                            const std::map<std::string, std::string>& files) {
  const FileReader reader = [&files](const std::string& name,
                                     FileKind kind) -> std::optional<std::string> {
    if (const auto it = files.find(name); it != files.end()) return it->second;
    if (kind == FileKind::ModFile && (name == "mod51" || name == "mod52"))
      return readFile(std::string(ASM51_TOOL_DIR) + "/" + name);
    return std::nullopt;
  };
  return assemble("test.asm", text, reader);
}

std::vector<std::uint8_t> bytesAt(const AssemblyResult& result, std::uint16_t address,
                                  std::size_t count) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i < count; ++i) {
    const auto at = static_cast<std::uint16_t>(address + i);
    if (!result.image.used(at)) break;
    out.push_back(result.image.at(at));
  }
  return out;
}

std::vector<std::uint8_t> encode(std::string_view line) {
  const AssemblyResult result = assembleText("$MOD51\n" + std::string(line) + "\n");
  std::vector<std::uint8_t> out;
  for (const ListedLine& listed : result.listing) {
    const auto bytes = result.bytesOf(listed);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  if (result.errorCount() != 0) out.clear();
  return out;
}

std::vector<ErrorCode> errorCodes(const AssemblyResult& result) {
  std::vector<ErrorCode> codes;
  for (const Diagnostic& d : result.diagnostics)
    if (!d.warning) codes.push_back(d.code);
  return codes;
}

std::vector<ErrorCode> warningCodes(const AssemblyResult& result) {
  std::vector<ErrorCode> codes;
  for (const Diagnostic& d : result.diagnostics)
    if (d.warning) codes.push_back(d.code);
  return codes;
}

namespace {

unsigned hexByte(std::string_view text, std::size_t at) {
  if (at + 2 > text.size()) throw std::runtime_error("short HEX record");
  unsigned value = 0;
  for (std::size_t i = at; i < at + 2; ++i) {
    const char c = text[i];
    value <<= 4;
    if (c >= '0' && c <= '9')
      value |= static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F')
      value |= static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      value |= static_cast<unsigned>(c - 'a' + 10);
    else
      throw std::runtime_error("bad HEX digit");
  }
  return value;
}

}  // namespace

std::map<std::uint16_t, std::uint8_t> parseIntelHex(std::string_view text) {
  std::map<std::uint16_t, std::uint8_t> image;
  std::istringstream lines{std::string(text)};
  std::string line;
  bool ended = false;
  while (std::getline(lines, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty()) continue;
    if (line[0] != ':' || ended) throw std::runtime_error("unexpected HEX line: " + line);
    const unsigned count = hexByte(line, 1);
    const unsigned address = hexByte(line, 3) << 8 | hexByte(line, 5);
    const unsigned type = hexByte(line, 7);
    unsigned sum = count + (address >> 8) + (address & 0xFF) + type;
    for (unsigned i = 0; i <= count; ++i) sum += hexByte(line, 9 + 2 * i);
    if ((sum & 0xFF) != 0) throw std::runtime_error("bad HEX checksum: " + line);
    if (type == 1) {
      ended = true;
      continue;
    }
    if (type != 0) throw std::runtime_error("unexpected HEX record type: " + line);
    for (unsigned i = 0; i < count; ++i) {
      const auto at = static_cast<std::uint16_t>(address + i);
      if (image.count(at)) throw std::runtime_error("HEX writes a byte twice");
      image[at] = static_cast<std::uint8_t>(hexByte(line, 9 + 2 * i));
    }
  }
  if (!ended) throw std::runtime_error("HEX without end record");
  return image;
}

}  // namespace asm51::test
