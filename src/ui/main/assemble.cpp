#include "assembly/assemble.h"

#include "report/listing_scan.h"
#include "ui/main/form1.h"

namespace tamrill {

void Form1::command3Click() {
  const AssemblyOutcome outcome = assembleSource(platform_, state_);
  if (outcome == AssemblyOutcome::SourceMissing) command2.setEnabled(false);
  // Whether or not the files are there yet: the timed clean-up and the views disable them.
  if (ranAssembler(outcome)) {
    command4.setEnabled(true);
    command5.setEnabled(true);
  }
  if (outcome == AssemblyOutcome::Refused || outcome == AssemblyOutcome::SourceMissing) return;

  label1.setCaption(u"klikni zde...");
  if (outcome == AssemblyOutcome::StaleListing) {
    platform_.showMessage(staleListingText(state_), u"Varování", MessageIcon::Warning,
                          MessageButtons::Ok);
  }
  if (outcome != AssemblyOutcome::Ran) return;
  // A scan that fails ends the command quietly; what the command did before it stays.
  if (!scanListing(platform_, state_)) return;
  showReport(ReportSteps::All);
}

}  // namespace tamrill
