#include "report/listing_scan.h"

#include "core/application.h"

namespace tamrill {

// Placeholder until the listing scan lands.
bool scanListing(Application& /*app*/) { return false; }

}  // namespace tamrill
