#pragma once

namespace tamrill {

class Application;

// Reads the error count out of the listing's summary into errorCount. False when the scan
// failed (see listing_scan.cpp); errorCount is then left as it was.
[[nodiscard]] bool scanListing(Application& app);

}  // namespace tamrill
