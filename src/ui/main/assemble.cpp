#include "assembly/assemble.h"

#include "report/listing_scan.h"
#include "ui/main/form1.h"

namespace tamrill {

void Form1::command3Click() {
  const AssemblyRun run = assembleSource(platform_, state_);
  const AssemblyOutcome outcome = run.outcome;
  if (outcome == AssemblyOutcome::SourceMissing) command2.setEnabled(false);
  // Whether or not the files are there yet: the timed clean-up and the views disable them.
  if (ranAssembler(outcome)) {
    command4.setEnabled(true);
    command5.setEnabled(true);
  }
  if (outcome == AssemblyOutcome::Refused || outcome == AssemblyOutcome::SourceMissing) return;

  label1.setCaption(u"klikni zde...");
  if (outcome == AssemblyOutcome::StaleListing) {
    warn(staleListingText(state_));
  }
  if (outcome != AssemblyOutcome::Ran) return;
  switch (scanListing(platform_, state_)) {
    case ScanResult::NoSummary:
      return tellNoSummary();
    case ScanResult::Failed:
      return;  // quietly; what the command did before it stays
    case ScanResult::Read:
      if (state_.errorCount == 0 && !run.newHex) {
        // No success to tell: the HEX file on disk is an old one, or there is none. The label
        // keeps "klikni zde...", and the old file is left as it is.
        command5.setEnabled(platform_.fileExists(state_.hexPath));
        return warn(staleHexText(state_));
      }
      break;
    case ScanResult::NoListing:
      break;
  }
  showReport(ReportSteps::All);
}

}  // namespace tamrill
