#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "state/program_state.h"

namespace tamrill {

enum class ScanResult : std::uint8_t {
  Read,       // errorCount holds the count of the listing's summary
  NoListing,  // there is none: errorCount is -10 and the user has been told
  NoSummary,  // the listing holds no summary (see noSummaryText); errorCount is left as it was
  Failed,     // unreadable, or a count beyond single precision; errorCount is left as it was
};

// Reads the error count out of the listing's summary into errorCount (see listing_scan.cpp).
[[nodiscard]] ScanResult scanListing(Platform& platform, ProgramState& state);

// The warning for NoSummary: the count cannot be known.
Text noSummaryText(const ProgramState& state);

}  // namespace tamrill
