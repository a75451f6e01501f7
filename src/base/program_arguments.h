#pragma once
// Windows hands a program its whole command line, its own name included. The arguments are what
// follows that name, as a GUI program's entry point receives them; they are kept exactly as
// typed, quotes and all.

#include "base/text.h"

namespace tamrill {

// The command line less the program's name and the blanks after it. A name that starts with a
// double quote runs to the next double quote, which is dropped with it (a program's name has no
// escapes); any other name runs to the first blank. Blanks are spaces, tabs and the other
// control characters.
Text argumentsAfterProgramName(TextView commandLine);

}  // namespace tamrill
