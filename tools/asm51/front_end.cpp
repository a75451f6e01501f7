#include "front_end.h"

#include <new>
#include <string>
#include <system_error>

#include "ascii.h"
#include "assembler.h"
#include "file_access.h"
#include "hex_writer.h"
#include "listing_writer.h"

namespace asm51::cli {
namespace {

constexpr const char* kUsage =
    "usage: asm51 NAME[.asm]\n"
    "Assembles NAME.asm from the current folder into NAME.hex (Intel HEX)\n"
    "and NAME.lst (listing). Exit code 0: no errors, 1: errors, 2: a file\n"
    "could not be read or written.\n";

bool hasAsmExtension(const std::filesystem::path& name) {
  const std::string ext = bytesFromPath(name.extension());
  return equalsUpper(ext, ".ASM");
}

std::filesystem::path withSuffix(std::filesystem::path base, const char* suffix) {
  base += suffix;
  return base;
}

int assembleFiles(const std::filesystem::path& sourceName, const std::filesystem::path& hexPath,
                  const std::filesystem::path& listingPath, std::FILE* console) {
  const std::filesystem::path sourcePath = findInFolder(sourceName);
  const std::string shownName = bytesFromPath(sourcePath);

  std::optional<std::string> source = readWholeFile(sourcePath);
  if (!source) {
    // No stale result of an earlier run may survive this one.
    std::error_code ec;
    std::filesystem::remove(listingPath, ec);
    writeWholeFile(hexPath, writeIntelHex(MemoryImage{}));
    std::fprintf(console, "asm51: cannot read %s\n", shownName.c_str());
    return kCannotRead;
  }

  const FileReader reader = [](const std::string& name, FileKind) -> std::optional<std::string> {
    return readWholeFile(findInFolder(pathFromBytes(name)));
  };
  // The listing goes to its file while pass 2 produces it.
  unique_file listingFile = openFile(listingPath, true);
  ListingStream listing(shownName, [&listingFile](std::string_view chunk) {
    return listingFile &&
           std::fwrite(chunk.data(), 1, chunk.size(), listingFile.get()) == chunk.size();
  });
  const AssemblyResult result = assemble(shownName, std::move(*source), reader, listing);
  bool listingWritten = listing.finish(result);
  // fclose flushes; its failure is a failed write too.
  if (listingFile) listingWritten = std::fclose(listingFile.release()) == 0 && listingWritten;

  for (const Diagnostic& d : result.diagnostics) {
    std::fprintf(console, "%s(%d): error: %.*s", d.fileName.c_str(), d.line,
                 static_cast<int>(errorMessage(d.code).size()), errorMessage(d.code).data());
    if (!d.detail.empty()) std::fprintf(console, " (%s)", d.detail.c_str());
    std::fputc('\n', console);
  }

  // Only a clean assembly leaves code in the HEX file.
  const std::string hex =
      result.errorCount() == 0 ? writeIntelHex(result.image) : writeIntelHex(MemoryImage{});
  const bool hexWritten = writeWholeFile(hexPath, hex);
  if (!hexWritten)
    std::fprintf(console, "asm51: cannot write %s\n", bytesFromPath(hexPath).c_str());
  if (!listingWritten)
    std::fprintf(console, "asm51: cannot write %s\n", bytesFromPath(listingPath).c_str());

  std::fprintf(console, "ASSEMBLY COMPLETE, %d ERRORS FOUND\n", result.errorCount());
  if (result.fatal || !hexWritten || !listingWritten) return kCannotRead;
  return result.errorCount() == 0 ? kClean : kErrors;
}

}  // namespace

int runFrontEnd(const std::vector<std::filesystem::path>& arguments, std::FILE* console) {
  if (arguments.empty() || arguments[0].empty()) {
    std::fputs(kUsage, console);
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
    std::fputs("asm51: out of memory\n", console);
    try {
      writeWholeFile(hexPath, writeIntelHex(MemoryImage{}));
    } catch (const std::bad_alloc&) {
      // Nothing more can be done without memory; the message is out.
    }
    return kCannotRead;
  }
}

}  // namespace asm51::cli
