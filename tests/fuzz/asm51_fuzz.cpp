// Any bytes as an assembler source: no crash, no hang, no sanitizer report.
// An include named s... resolves to the input itself, so the nesting limits
// get exercised; x... is missing; any other name gets a small fixed file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assembler.h"
#include "hex_writer.h"
#include "listing_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string source(reinterpret_cast<const char*>(data), size);
  const asm51::FileReader reader = [&source](const std::string& name,
                                             asm51::FileKind kind) -> std::optional<std::string> {
    if (kind == asm51::FileKind::ModFile)
      return std::string("P1 DATA 90H\nACC DATA 0E0H\nEA BIT 0AFH\n");
    if (name.empty() || name[0] == 'x') return std::nullopt;
    if (name[0] == 's') return source;
    return std::string("V EQU 5\nDB V, 'inc'\n");
  };
  const asm51::AssemblyResult result = asm51::assemble("fuzz.asm", source, reader);
  const std::string listing = asm51::writeListing(result, "fuzz.asm");
  const std::string hex = asm51::writeIntelHex(result.image);
  if (listing.find(" ERRORS FOUND") == std::string::npos || hex.empty()) __builtin_trap();
  return 0;
}
