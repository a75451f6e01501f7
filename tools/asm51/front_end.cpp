#include "front_end.h"

#include <new>
#include <string>
#include <system_error>

#include "ascii.h"
#include "assembler.h"
#include "console.h"
#include "file_access.h"
#include "hex_writer.h"
#include "listing_writer.h"

namespace asm51::cli {
namespace {

constexpr std::string_view kUsage =
    "použití: asm51 JMÉNO[.asm]\n"
    "Přeloží JMÉNO.asm z aktuální složky do JMÉNO.hex (Intel HEX) a JMÉNO.lst\n"
    "(výpis). Návratový kód 0: bez chyb, 1: chyby, 2: soubor nešel přečíst\n"
    "nebo zapsat.\n";

bool hasAsmExtension(const std::filesystem::path& name) {
  const std::string ext = bytesFromPath(name.extension());
  return equalsUpper(ext, ".ASM");
}

std::filesystem::path withSuffix(std::filesystem::path base, const char* suffix) {
  base += suffix;
  return base;
}

// NAME(LINE): chyba: MESSAGE, in UTF-8 whatever the source's encoding.
void appendReport(std::string& text, const Diagnostic& d, TextEncoding source) {
  // The main source's name came from the file system as UTF-8; an included
  // file's is written in the source.
  appendSourceText(text, d.fileName, d.included ? source : TextEncoding::Utf8, TextEncoding::Utf8);
  if (d.line > 0) {
    text += '(';
    text += std::to_string(d.line);
    text += ')';
  }
  text += d.warning ? ": varování: " : ": chyba: ";
  appendMessage(text, d, source, TextEncoding::Utf8);
  text += '\n';
}

int assembleFiles(const std::filesystem::path& sourceName, const std::filesystem::path& hexPath,
                  const std::filesystem::path& listingPath, std::FILE* console) {
  const std::filesystem::path sourcePath = findInFolder(sourceName);
  const std::string shownName = utf8FromPath(sourcePath);

  std::optional<std::string> source = readWholeFile(sourcePath);
  if (!source) {
    // No stale result of an earlier run may survive this one.
    std::error_code ec;
    std::filesystem::remove(listingPath, ec);
    writeWholeFile(hexPath, writeIntelHex(MemoryImage{}));
    writeText(console, "asm51: soubor " + shownName + " nelze přečíst\n");
    return kCannotRead;
  }

  const FileReader reader = [](const std::string& name, FileKind) -> std::optional<std::string> {
    return readWholeFile(findInFolder(pathFromBytes(name)));
  };
  // The listing is opened last, once the HEX file has been written.
  unique_file listingFile;
  ListingStream listing(shownName, [&listingFile](std::string_view chunk) {
    return listingFile &&
           std::fwrite(chunk.data(), 1, chunk.size(), listingFile.get()) == chunk.size();
  });
  AssemblyResult result = assemble(shownName, std::move(*source), reader, listing);

  // Only a clean assembly leaves code in the HEX file.
  const std::string hex =
      result.errorCount() == 0 ? writeIntelHex(result.image) : writeIntelHex(MemoryImage{});
  const bool hexWritten = writeWholeFile(hexPath, hex);
  if (!hexWritten) {
    // Counted, so that no listing claims success for a program that is not there.
    Diagnostic failed;
    failed.code = ErrorCode::HexNotWritten;
    failed.fileName = shownName;
    appendOwnText(failed.detail, utf8FromPath(hexPath.filename()), result.encoding);
    result.diagnostics.push_back(std::move(failed));
  }

  listingFile = openFile(listingPath, true);
  bool listingWritten = listing.finish(result);
  // fclose flushes; its failure is a failed write too.
  if (listingFile) listingWritten = std::fclose(listingFile.release()) == 0 && listingWritten;

  // One write for all: on Windows each costs a round trip to the console, and
  // a source of 10,000 errors would spend many seconds on them.
  std::string text;
  for (const Diagnostic& d : result.diagnostics) appendReport(text, d, result.encoding);
  if (!listingWritten) text += "asm51: výpis " + utf8FromPath(listingPath) + " nelze zapsat\n";
  text += "ASSEMBLY COMPLETE, " + std::to_string(result.errorCount()) + " ERRORS FOUND\n";
  writeText(console, text);
  if (result.fatal || !hexWritten || !listingWritten) return kCannotRead;
  return result.errorCount() == 0 ? kClean : kErrors;
}

}  // namespace

int runFrontEnd(const std::vector<std::filesystem::path>& arguments, std::FILE* console) {
  if (arguments.empty() || arguments[0].empty()) {
    writeText(console, kUsage);
    return kCannotRead;
  }
  const std::filesystem::path& argument = arguments[0];
  std::filesystem::path base = argument;
  std::filesystem::path sourceName = argument;
  if (hasAsmExtension(argument))
    base.replace_extension();
  else
    sourceName += ".asm";

  const std::filesystem::path hexPath = withSuffix(base, ".hex");
  const std::filesystem::path listingPath = withSuffix(base, ".lst");
  return guardMemory([&] { return assembleFiles(sourceName, hexPath, listingPath, console); },
                     hexPath, console);
}

int guardMemory(const std::function<int()>& work, const std::filesystem::path& hexPath,
                std::FILE* console) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    // The memory that work held is free again, but either step may still
    // find none: each is tried on its own.
    try {
      writeText(console, "asm51: nedostatek paměti\n");
    } catch (const std::bad_alloc&) {
      std::fputs("asm51: nedostatek pameti\n",
                 console);  // without the letter that needs converting
    }
    try {
      writeWholeFile(hexPath, writeIntelHex(MemoryImage{}));
    } catch (const std::bad_alloc&) {
      // Nothing more can be done without memory; the message is out.
    }
    return kCannotRead;
  }
}

}  // namespace asm51::cli
