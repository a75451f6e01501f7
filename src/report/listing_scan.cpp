#include "report/listing_scan.h"

#include "report/summary_search.h"

namespace tamrill {

// RichTextBox1 stays hidden for the whole run and nothing shows its text, so the listing is not
// loaded into it: a listing may be a gigabyte long. The scan reads the file directly and only
// the bytes the count needs (see summary_search.h).
ScanResult scanListing(Platform& platform, ProgramState& state) {
  if (state.listingPath.empty() || !platform.fileExists(state.listingPath)) {
    state.errorCount = -10;
    const Text text = state.listingPath.empty() ? Text(u"Soubor nenačten")
                                                : u"Soubor " + state.listingPath + u" neexistuje";
    platform.showMessage(text, u"Informace", MessageIcon::Information, MessageButtons::Ok);
    return ScanResult::NoListing;
  }

  // Gone or locked between the existence test and here: the listing cannot be read.
  const auto file = platform.openForReading(state.listingPath);
  if (!file) return ScanResult::Failed;
  SummaryScan scan = scanSummary(*file);
  if (scan.outcome == SummaryScan::Outcome::Unreadable) return ScanResult::Failed;
  state.listingText = std::move(scan.listingText);
  if (scan.outcome == SummaryScan::Outcome::NoSummary) return ScanResult::NoSummary;
  if (scan.outcome != SummaryScan::Outcome::Read) return ScanResult::Failed;
  state.errorCount = scan.errorCount;
  return ScanResult::Read;
}

Text noSummaryText(const ProgramState& state) {
  return u"Výpis \"" + state.listingPath +
         u"\" neobsahuje souhrn překladu. Počet chyb nelze zjistit.";
}

}  // namespace tamrill
