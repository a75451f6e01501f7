#include "listing_writer.h"

#include "ascii.h"

namespace asm51 {
namespace {

constexpr std::size_t kBytesPerRow = 4;
constexpr std::size_t kChunk = 1 << 16;
constexpr std::string_view kEol = "\r\n";

void appendDecimal(std::string& out, unsigned value) {
  char digits[12];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) out.push_back(digits[--n]);
}

// Pads what was appended since `from` with spaces up to `width` characters.
void padFrom(std::string& out, std::size_t from, std::size_t width) {
  const std::size_t written = out.size() - from;
  if (written < width) out.append(width - written, ' ');
}

// Fixed columns: line number and include level (8), address (6), object
// bytes (10), source. Each append* helper writes one column.
void appendLineField(std::string& out, const ListedLine& line) {
  const std::size_t from = out.size();
  std::string number;
  appendDecimal(number, static_cast<unsigned>(line.line < 0 ? 0 : line.line));
  if (number.size() < 5) out.append(5 - number.size(), ' ');
  out += number;
  if (line.depth > 0) {
    out.push_back('+');
    appendDecimal(out, static_cast<unsigned>(line.depth));
  }
  // A line that a macro call or REPT produced carries the call's number.
  if (line.expansion) out.push_back('M');
  padFrom(out, from, 8);
}

void appendAddressField(std::string& out, std::optional<std::uint16_t> address) {
  const std::size_t from = out.size();
  if (address) appendHex(out, *address, 4);
  padFrom(out, from, 6);
}

void endRow(std::string& out, std::size_t rowStart) {
  while (out.size() > rowStart && out.back() == ' ') out.pop_back();
  out += kEol;
}

void appendWhere(std::string& out, const Diagnostic& d, bool withFileName) {
  out += "line ";
  appendDecimal(out, static_cast<unsigned>(d.line < 0 ? 0 : d.line));
  if (!d.included) return;
  out += " of ";
  out += withFileName ? std::string_view(d.fileName) : std::string_view("an included file");
}

void appendLine(std::string& out, const ListedLine& line, const AssemblyResult& result) {
  const std::size_t rowStart = out.size();
  appendLineField(out, line);
  appendAddressField(out, line.address);
  const std::size_t objectStart = out.size();
  if (line.value) {
    out.push_back('=');
    appendHex(out, *line.value, 4);
  }
  const std::span<const std::uint8_t> bytes = result.bytesOf(line);
  std::size_t shown = 0;
  for (; shown < bytes.size() && shown < kBytesPerRow; ++shown) appendHex(out, bytes[shown], 2);
  if (!line.text.empty()) {
    padFrom(out, objectStart, 2 * kBytesPerRow + 2);
    out += line.text;
  }
  endRow(out, rowStart);
  // Long DB lines continue on rows of their own.
  while (shown < bytes.size()) {
    const std::size_t moreStart = out.size();
    out.append(8, ' ');
    std::optional<std::uint16_t> address;
    if (line.address) address = static_cast<std::uint16_t>((*line.address + shown) & 0xFFFF);
    appendAddressField(out, address);
    for (std::size_t n = 0; n < kBytesPerRow && shown < bytes.size(); ++n, ++shown)
      appendHex(out, bytes[shown], 2);
    endRow(out, moreStart);
  }
  for (std::size_t index : line.diagnostics) {
    const Diagnostic& d = result.diagnostics[index];
    out += "*** ERROR in ";
    appendWhere(out, d, true);
    out += ": ";
    out += errorMessage(d.code);
    if (!d.detail.empty()) {
      out += " (";
      out += d.detail;
      out += ")";
    }
    out += kEol;
    if (d.fatal) {
      out += "*** assembly stopped";
      out += kEol;
    }
  }
}

void appendSymbol(std::string& out, const SymbolEntry& symbol) {
  const std::size_t rowStart = out.size();
  out += symbol.name;
  padFrom(out, rowStart, 32);
  out.push_back(' ');
  const std::size_t typeStart = out.size();
  out += symbolTypeName(symbol.type);
  padFrom(out, typeStart, 7);
  if (symbol.known)
    appendHex(out, symbol.value, 4);
  else
    out += "----";
  out += kEol;
}

}  // namespace

ListingStream::ListingStream(std::string_view sourceName, Output output)
    : sourceName_(sourceName), output_(std::move(output)) {
  buffer_.reserve(kChunk + 1024);
}

void ListingStream::begin(const AssemblyResult& result) {
  buffer_ += "Tamrill ASM51 - 8051 assembler";
  buffer_ += kEol;
  buffer_ += "Source file: ";
  buffer_ += sourceName_;
  buffer_ += kEol;
  if (!result.title.empty()) {
    buffer_ += "Title: ";
    buffer_ += result.title;
    buffer_ += kEol;
  }
  buffer_ += kEol;
  buffer_ += "  LINE  ADDR  OBJECT    SOURCE";
  buffer_ += kEol;
  buffer_ += kEol;
}

void ListingStream::line(const ListedLine& line, const AssemblyResult& result) {
  appendLine(buffer_, line, result);
  flushIfFull();
}

bool ListingStream::finish(const AssemblyResult& result) {
  // From here on no source text may appear: the summary line must stay the
  // last "errors found" of the file.
  buffer_ += kEol;
  buffer_ += "ASSEMBLY COMPLETE, ";
  appendDecimal(buffer_, static_cast<unsigned>(result.errorCount()));
  buffer_ += " ERRORS FOUND";
  buffer_ += kEol;
  if (!result.diagnostics.empty()) {
    buffer_ += kEol;
    buffer_ += "ERROR SUMMARY";
    buffer_ += kEol;
    for (const Diagnostic& d : result.diagnostics) {
      buffer_ += "  ";
      appendWhere(buffer_, d, false);
      buffer_ += ": ";
      buffer_ += errorMessage(d.code);
      buffer_ += kEol;
      flushIfFull();
    }
  }
  if (result.listSymbols && !result.symbols.empty()) {
    buffer_ += kEol;
    buffer_ += "SYMBOL TABLE";
    buffer_ += kEol;
    buffer_ += kEol;
    buffer_ += "NAME                             TYPE   VALUE";
    buffer_ += kEol;
    for (const SymbolEntry& symbol : result.symbols) {
      appendSymbol(buffer_, symbol);
      flushIfFull();
    }
  }
  flush();
  return ok_;
}

void ListingStream::flushIfFull() {
  if (buffer_.size() >= kChunk) flush();
}

void ListingStream::flush() {
  if (buffer_.empty()) return;
  if (ok_ && output_) ok_ = output_(buffer_);
  buffer_.clear();
}

std::string writeListing(const AssemblyResult& result, std::string_view sourceName) {
  std::string out;
  ListingStream stream(sourceName, [&out](std::string_view chunk) {
    out += chunk;
    return true;
  });
  stream.begin(result);
  for (const ListedLine& line : result.listing) stream.line(line, result);
  stream.finish(result);
  return out;
}

}  // namespace asm51
