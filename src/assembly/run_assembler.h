#pragma once
// Running the assembler and telling whether the listing it leaves is its own.

#include <cstdint>

#include "base/text.h"
#include "platform/platform.h"

namespace tamrill {

// The assembler's command line: its full path, one blank, the source's base name. A part that
// holds a blank is put in double quotes: unquoted, Windows would try "C:\Moje.exe" for
// "C:\Moje projekty\asm51.exe" and the assembler would be handed a piece of its own path.
Text assemblerCommandLine(const Text& programPath, const Text& baseName);

// Runs commandLine with folder as the child's current folder, where the assembler looks for the
// source and its include files, and returns when it has ended. A start that fails is told in a
// "Chyba" box; false then.
bool runAssembler(Platform& platform, const Text& commandLine, const Text& folder);

// Whether a file the assembler writes (the listing, the HEX file) found after a run is one the
// run wrote: before is the file as it was just before the run, after as it is now, runStart the
// clock when the run began.
bool writtenByRun(const StampResult& before, const FileStamp& after, std::uint64_t runStart);

}  // namespace tamrill
