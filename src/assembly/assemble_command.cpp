// Placeholder until the assemble command lands.
#include "core/application.h"

namespace tamrill {

void Form1::command3Click() {}

}  // namespace tamrill
