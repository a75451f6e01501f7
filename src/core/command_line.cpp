// Placeholder until the command-line opening lands.
#include "core/application.h"

namespace tamrill {

void Form1::openFromCommandLine() {}

}  // namespace tamrill
