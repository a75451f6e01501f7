#include "core/load_source.h"

#include "core/application.h"

namespace tamrill {

// Placeholder until source loading lands.
bool loadSource(Application& /*app*/) { return true; }

}  // namespace tamrill
