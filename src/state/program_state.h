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
  StagedCopies staged;              // the tools copied beside a source, until they are removed
  bool endedSessionsSwept = false;  // the copies that ended Tamrills left have been seen to
  bool assembled = false;           // a staged run has finished and its copies are not removed yet
  int cleanupTicks = 0;             // timer ticks counted while assembled
  float errorCount = 0;  // what the last listing scan read; -10 when there was no listing
  Text listingText;      // the listing scan's working text
};

}  // namespace tamrill
