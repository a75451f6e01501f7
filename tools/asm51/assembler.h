#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "memory_image.h"
#include "symbols.h"

namespace asm51 {

enum class FileKind { Include, ModFile };

// Reads a file named by the source ($INCLUDE) or a register definition file
// ($MOD51 gives "mod51"); nullopt when it cannot be read. The engine itself
// never touches the file system.
using FileReader =
    std::function<std::optional<std::string>(const std::string& name, FileKind kind)>;

inline constexpr int kMaxIncludeDepth = 8;
inline constexpr int kMaxIncludesPerPass = 64;
// A macro that calls itself without end stops here with an error.
inline constexpr int kMaxMacroDepth = 32;
// Lines that one pass may process, expansions included, and each repetition
// of a REPT counts as one more even when its body is empty: REPT 0FFFFH of a
// long body, nested REPTs, or macros that double at each level, stop here
// instead of running for hours.
inline constexpr std::uint32_t kMaxLinesPerPass = 500'000;
// The first pass runs again while an IF reads a value from further down that
// the previous run got wrong: this many runs at most, and no more lines in
// all of them than this, so that the whole stays within the time of a few
// passes; an IF still undecided then is an error.
inline constexpr int kMaxFirstPassRuns = 6;
inline constexpr std::uint64_t kMaxFirstPassLines = 2 * std::uint64_t{kMaxLinesPerPass};
// A line that a macro expansion produces may not be longer than this.
inline constexpr std::size_t kMaxExpandedLine = 16 * 1024;
// Object bytes shown in the listing, in all: 64 KiB of code many times over.
inline constexpr std::size_t kMaxListedBytes = 4 * 1024 * 1024;
// Text that macros and REPT may produce in one pass: long lines repeated
// cost time even when there are few of them.
inline constexpr std::uint64_t kMaxExpandedBytesPerPass = 8 * 1024 * 1024;
// Errors recorded; past this, assembly stops with one more.
inline constexpr std::size_t kMaxErrors = 10'000;
// Warnings recorded; later ones are dropped, as they stop nothing.
inline constexpr std::size_t kMaxWarnings = 1'000;
// The location counters never run past this, however much DS reserves:
// anything above 0FFFFH is already reported as beyond 64 KiB.
inline constexpr std::uint32_t kCounterCeiling = 0x20000;

struct ListedLine {
  int line = 0;            // number within its own file
  int depth = 0;           // include nesting, 0 for the main source
  bool expansion = false;  // a line produced by a macro call or REPT
  std::string_view text;   // points into AssemblyResult::texts
  std::optional<std::uint16_t> address;
  std::optional<std::uint16_t> value;  // shown for EQU, SET, DATA, BIT and the like
  std::size_t firstByte = 0;           // object bytes: a slice of AssemblyResult::objectBytes
  std::size_t byteCount = 0;
  std::vector<std::size_t> diagnostics;  // indices into AssemblyResult::diagnostics
};

struct SymbolEntry {
  std::string name;
  SymbolType type;
  std::uint16_t value;
  bool known;
};

struct AssemblyResult {
  // The source and every file it read, which the listing's lines point into.
  std::vector<std::unique_ptr<const std::string>> texts;
  std::vector<ListedLine> listing;  // empty when the lines went to a ListingSink
  std::vector<std::uint8_t> objectBytes;
  std::vector<Diagnostic> diagnostics;  // errors and warnings, in the order found
  MemoryImage image;
  std::vector<SymbolEntry> symbols;  // user symbols, sorted by name
  std::string title;                 // from $TITLE
  bool listSymbols = true;           // $NOSYMBOLS turns the table off
  bool fatal = false;                // a missing include or similar stopped assembly
  TextEncoding encoding = TextEncoding::Windows1250;  // the main source's, and the listing's

  int warnings = 0;  // diagnostics that are warnings

  // Warnings are shown but never counted.
  int errorCount() const { return static_cast<int>(diagnostics.size()) - warnings; }
  std::span<const std::uint8_t> bytesOf(const ListedLine& line) const {
    return std::span<const std::uint8_t>(objectBytes).subspan(line.firstByte, line.byteCount);
  }
};

// Takes the listed lines of pass 2 one by one as they are produced, so that
// a long listing need not be held in memory. Each call sees the result as far
// as it has been built: the line's bytes and diagnostics are in it.
class ListingSink {
 public:
  virtual ~ListingSink() = default;
  // Pass 2 is about to list its first line; the title is known by now.
  virtual void begin(const AssemblyResult& result) = 0;
  virtual void line(const ListedLine& line, const AssemblyResult& result) = 0;
};

// Collects the listed lines in AssemblyResult::listing.
AssemblyResult assemble(std::string_view sourceName, std::string_view source,
                        const FileReader& reader);
// Hands the listed lines to `sink` instead; the source is taken over.
AssemblyResult assemble(std::string_view sourceName, std::string source, const FileReader& reader,
                        ListingSink& sink);

}  // namespace asm51
