#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tamrill {

// Reads the error count out of the listing's summary into errorCount. False when the scan
// failed (see listing_scan.cpp); errorCount is then left as it was.
[[nodiscard]] bool scanListing(Platform& platform, ProgramState& state);

}  // namespace tamrill
