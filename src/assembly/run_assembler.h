#pragma once
// Starting the assembler, with or without waiting for it. A start that fails is told to the user;
// the caller goes on as after a finished run either way.

#include "core/text.h"

namespace tamrill {

class Application;

enum class Waiting { No, UntilEnded };

// The assembler's command line: its full path, one blank, the source's base name. A part that
// holds a blank is put in double quotes: unquoted, Windows would try "C:\Moje.exe" for
// "C:\Moje projekty\asm51.exe" and the assembler would be handed a piece of its own path.
Text assemblerCommandLine(const Text& programPath, const Text& baseName);

// Runs commandLine with folder as the child's current folder, where the assembler looks for the
// source and its include files. With UntilEnded the window thread is blocked until it has ended.
void runAssembler(Application& app, const Text& commandLine, const Text& folder, Waiting waiting);

}  // namespace tamrill
