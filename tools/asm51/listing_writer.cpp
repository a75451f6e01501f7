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

// Writes the assembler's own words and the source's bytes, each in the
// listing's encoding.
class Writer {
 public:
  Writer(std::string& out, TextEncoding encoding) : out_(out), encoding_(encoding) {}
  Writer& own(std::string_view utf8) {
    appendOwnText(out_, utf8, encoding_);
    return *this;
  }
  Writer& source(std::string_view bytes) {
    out_ += bytes;
    return *this;
  }
  Writer& number(int value) {
    appendDecimal(out_, static_cast<unsigned>(value < 0 ? 0 : value));
    return *this;
  }
  Writer& message(const Diagnostic& d) {
    appendMessage(out_, d, encoding_, encoding_);
    return *this;
  }
  Writer& eol() {
    out_ += kEol;
    return *this;
  }

 private:
  std::string& out_;
  TextEncoding encoding_;
};

void appendDiagnostic(std::string& out, const Diagnostic& d, TextEncoding encoding) {
  Writer w(out, encoding);
  w.own(d.warning ? "*** VAROVÁNÍ" : "*** CHYBA");
  if (d.line > 0) {
    w.own(" na řádku ").number(d.line);
    if (d.included) w.own(" souboru ").source(d.fileName);
  }
  w.own(": ").message(d).eol();
  if (d.fatal) w.own("*** překlad zastaven").eol();
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
  for (std::size_t index : line.diagnostics)
    appendDiagnostic(out, result.diagnostics[index], result.encoding);
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

// One entry of the list right after the header, which shows every error and
// warning with its line, so that the listing's first screen says what is
// wrong and where.
void appendListEntry(std::string& out, const Diagnostic& d, TextEncoding encoding) {
  Writer w(out, encoding);
  w.own("  ");
  if (d.line > 0) {
    w.own("řádek ").number(d.line);
    if (d.included) w.own(" souboru ").source(d.fileName);
    w.own(": ");
  }
  if (d.warning) w.own("varování: ");
  w.message(d).eol();
  if (!d.sourceLine.empty()) w.own("      ").source(d.sourceLine).eol();
}

}  // namespace

ListingStream::ListingStream(std::string_view sourceName, Output output)
    : sourceName_(sourceName), output_(std::move(output)) {}

void ListingStream::begin(const AssemblyResult& result) {
  encoding_ = result.encoding;
}

void ListingStream::line(const ListedLine& line, const AssemblyResult& result) {
  if (body_.empty() || body_.back().size() >= kChunk) {
    body_.emplace_back();
    body_.back().reserve(kChunk + 1024);
  }
  appendLine(body_.back(), line, result);
  for (const std::size_t index : line.diagnostics) {
    if (shown_.size() <= index) shown_.resize(index + 1);
    shown_[index] = true;
  }
}

bool ListingStream::finish(const AssemblyResult& result) {
  encoding_ = result.encoding;
  std::string chunk;
  Writer w(chunk, encoding_);
  if (encoding_ == TextEncoding::Utf8) chunk += kUtf8Bom;
  w.own("Tamrill ASM51 – překladač pro 8051").eol();
  w.own("Zdrojový soubor: ").own(sourceName_).eol();
  if (!result.title.empty()) w.own("Název: ").source(result.title).eol();
  w.eol();
  w.own("Chyby: ").number(result.errorCount()).own(", varování: ").number(result.warnings).eol();
  for (const Diagnostic& d : result.diagnostics) {
    appendListEntry(chunk, d, encoding_);
    if (chunk.size() >= kChunk) send(chunk);
  }
  w.eol().own(" ŘÁDEK  ADR.  KÓD       ZDROJ").eol().eol();
  send(chunk);
  for (std::string& part : body_) send(part);
  body_.clear();
  // What belongs to no line (no END, a HEX file that could not be written)
  // follows the last one.
  for (std::size_t i = 0; i < result.diagnostics.size(); ++i)
    if (i >= shown_.size() || !shown_[i]) appendDiagnostic(chunk, result.diagnostics[i], encoding_);
  if (result.listSymbols && !result.symbols.empty()) {
    w.eol().own("TABULKA SYMBOLŮ").eol().eol();
    w.own("JMÉNO                            TYP    HODNOTA").eol();
    for (const SymbolEntry& symbol : result.symbols) {
      appendSymbol(chunk, symbol);
      if (chunk.size() >= kChunk) send(chunk);
    }
  }
  // Nothing may follow: the summary must stay the last "errors found" of the file.
  chunk += kEol;
  chunk += "ASSEMBLY COMPLETE, ";
  appendDecimal(chunk, static_cast<unsigned>(result.errorCount()));
  chunk += " ERRORS FOUND";
  chunk += kEol;
  send(chunk);
  return ok_;
}

void ListingStream::send(std::string& chunk) {
  if (!chunk.empty() && ok_ && output_) ok_ = output_(chunk);
  chunk.clear();
  chunk.shrink_to_fit();
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
