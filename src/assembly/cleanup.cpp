// Placeholder until the clean-ups land.
#include "core/application.h"

namespace tamrill {

void Form1::timer1Timer() {}
void Form1::form1Unload() { app_.platform.endProgram(); }

}  // namespace tamrill
