#include "listing_writer.hpp"

#include <cstdio>

namespace asm51 {
namespace {

constexpr std::size_t kBytesPerRow = 4;
constexpr const char* kEol = "\r\n";

void appendHex(std::string& out, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out.push_back(kDigits[(value >> shift) & 0xF]);
}

void appendPadded(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    if (text.size() < width) out.append(width - text.size(), ' ');
}

std::string number(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%*d", width, value);
    return buffer;
}

// Fixed columns: line number and include level, address, object bytes, source.
void appendRow(std::string& out, const std::string& lineField, const std::string& address, const std::string& object,
               std::string_view source) {
    appendPadded(out, lineField, 8);
    appendPadded(out, address, 6);
    if (source.empty()) {
        out += object;
    } else {
        appendPadded(out, object, 2 * kBytesPerRow + 2);
        out += source;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += kEol;
}

std::string where(const Diagnostic& d, bool withFileName) {
    std::string text = "line " + std::to_string(d.line);
    if (d.included) text += withFileName ? " of " + d.fileName : " of an included file";
    return text;
}

void appendLine(std::string& out, const ListedLine& line, const AssemblyResult& result) {
    std::string lineField = number(line.line, 5);
    if (line.depth > 0) lineField += "+" + std::to_string(line.depth);
    std::string address;
    if (line.address) appendHex(address, *line.address, 4);
    std::string object;
    if (line.value) {
        object = "=";
        appendHex(object, *line.value, 4);
    }
    const std::span<const std::uint8_t> bytes = result.bytesOf(line);
    std::size_t shown = 0;
    for (; shown < bytes.size() && shown < kBytesPerRow; ++shown) appendHex(object, bytes[shown], 2);
    appendRow(out, lineField, address, object, line.text);
    // Long DB lines continue on rows of their own.
    while (shown < bytes.size()) {
        std::string more;
        std::string moreAddress;
        if (line.address) appendHex(moreAddress, (*line.address + shown) & 0xFFFF, 4);
        for (std::size_t n = 0; n < kBytesPerRow && shown < bytes.size(); ++n, ++shown)
            appendHex(more, bytes[shown], 2);
        appendRow(out, "", moreAddress, more, {});
    }
    for (std::size_t index : line.diagnostics) {
        const Diagnostic& d = result.diagnostics[index];
        out += "*** ERROR in " + where(d, true) + ": " + std::string(errorMessage(d.code));
        if (!d.detail.empty()) out += " (" + d.detail + ")";
        out += kEol;
        if (d.fatal) out += std::string("*** assembly stopped") + kEol;
    }
}

}  // namespace

std::string writeListing(const AssemblyResult& result, std::string_view sourceName) {
    std::string out;
    std::size_t estimate = 4096 + result.symbols.size() * 48;
    for (const ListedLine& line : result.listing) estimate += line.text.size() + 32 + line.byteCount * 4;
    out.reserve(estimate);
    out += "Tamrill ASM51 - 8051 assembler";
    out += kEol;
    out += "Source file: ";
    out += sourceName;
    out += kEol;
    if (!result.title.empty()) out += "Title: " + result.title + kEol;
    out += kEol;
    out += "  LINE  ADDR  OBJECT    SOURCE";
    out += kEol;
    out += kEol;
    for (const ListedLine& line : result.listing) appendLine(out, line, result);

    // From here on no source text may appear: the summary line must stay the
    // last "errors found" of the file.
    out += kEol;
    out += "ASSEMBLY COMPLETE, " + std::to_string(result.errorCount()) + " ERRORS FOUND" + kEol;
    if (!result.diagnostics.empty()) {
        out += kEol;
        out += "ERROR SUMMARY";
        out += kEol;
        for (const Diagnostic& d : result.diagnostics)
            out += "  " + where(d, false) + ": " + std::string(errorMessage(d.code)) + kEol;
    }
    if (result.listSymbols && !result.symbols.empty()) {
        out += kEol;
        out += "SYMBOL TABLE";
        out += kEol;
        out += kEol;
        out += "NAME                             TYPE   VALUE";
        out += kEol;
        for (const SymbolEntry& symbol : result.symbols) {
            std::string row;
            appendPadded(row, symbol.name, 32);
            row += ' ';
            appendPadded(row, std::string(symbolTypeName(symbol.type)), 7);
            if (symbol.known) appendHex(row, symbol.value, 4);
            else row += "----";
            out += row + kEol;
        }
    }
    return out;
}

}  // namespace asm51
