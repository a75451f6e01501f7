#include "report/listing_scan.h"

#include "report/summary_search.h"

namespace tamrill {

// RichTextBox1 stays hidden for the whole run and nothing shows its text, so the listing is not
// loaded into it: a listing may be a gigabyte long. The scan reads the file directly and only
// the bytes the count needs (see summary_search.h).
bool scanListing(Platform& platform, ProgramState& state) {
  if (state.listingPath.empty() || !platform.fileExists(state.listingPath)) {
    state.errorCount = -10;
    const Text text = state.listingPath.empty() ? Text(u"Soubor nenačten")
                                                : u"Soubor " + state.listingPath + u" neexistuje";
    platform.showMessage(text, u"Informace", MessageIcon::Information, MessageButtons::Ok);
    return true;
  }

  // Gone or locked between the existence test and here: the listing cannot be read.
  const auto file = platform.openForReading(state.listingPath);
  if (!file) return false;
  SummaryScan scan = scanSummary(*file);
  if (scan.outcome == SummaryScan::Outcome::Unreadable) return false;
  state.listingText = std::move(scan.listingText);
  if (scan.outcome != SummaryScan::Outcome::Read) return false;
  state.errorCount = scan.errorCount;
  return true;
}

}  // namespace tamrill
