#pragma once
// What the program knows at run time about the opened source, the assembler's files and the last
// assembly. One instance lives in the Application for the whole run; every window and procedure
// reads and writes this same set of values. Nothing of it is ever saved but the record of the
// staged copies, which must outlive the program (copy_record.h).

#include "base/text.h"
#include "state/staged_copies.h"

namespace tamrill {

struct ProgramState {
  Text sourcePath;         // full path of the opened source
  Text hexPath;            // the Intel HEX file the assembler writes for it
  Text listingPath;        // the listing the assembler writes for it
  Text sourceFileName;     // the source's name without its folder
  Text sourceFolder;       // the source's folder, ending in a backslash
  Text appFolder;          // the program's folder, ending in a backslash
  Text appAssemblerPath;   // asm51.exe in the program's folder
  Text assemblerFileName;  // always "asm51.exe" once start-up has found the tools
  Text appMod51Path;
  Text appMod52Path;
  StagedCopies staged;  // the tools copied beside a source, until they are removed
  // Copies left by Tamrills that ended are all removed (or there were none).
  bool endedSessionsSwept = false;
  // Ticks until what could not be removed is tried again, and the interval after that.
  int retryCountdown = 0;
  int retryInterval = 1;
  bool assembled = false;  // a staged run has finished and its copies are not removed yet
  int cleanupTicks = 0;    // timer ticks counted while assembled
  float errorCount = 0;    // what the last listing scan read; -10 when there was no listing
  Text listingText;        // the listing scan's working text
};

}  // namespace tamrill
