#include "base/names.h"
#include "base/paths.h"
#include "report/listing_scan.h"
#include "ui/main/form1.h"

namespace tamrill {

bool Form1::loadSource() {
  ProgramState& state = state_;
  if (nameTooLong(state.sourceFileName)) {
    platform_.showMessage(kNameTooLongWarning, u"Varování", MessageIcon::Warning,
                          MessageButtons::Ok);
    return true;
  }

  state.hexPath = replaceLast3(state.sourcePath, u"hex");
  state.listingPath = replaceLast3(state.sourcePath, u"lst");
  state.sourceFolder = folderOf(state.sourcePath, state.sourceFileName);
  // Written even when the model holds that path already: the box shows it, whatever was typed.
  text1.writeCaption(state.sourcePath);
  setCaption(u"Tamrill - " + state.sourceFileName);
  // Only ever enabled here: without the tools found at start-up there is nothing to run.
  if (!state.appAssemblerPath.empty() && !state.sourcePath.empty()) command3.setEnabled(true);
  command2.setEnabled(true);

  if (platform_.fileExists(state.listingPath)) {
    command4.setEnabled(true);
    switch (scanListing(platform_, state)) {
      case ScanResult::Failed:
        return false;
      // The listing is the user's to look at and the HEX file is still there or not: loading
      // goes on to the HEX button.
      case ScanResult::NoSummary:
        tellNoSummary();
        break;
      case ScanResult::Read:
      case ScanResult::NoListing:
        showReport(ReportSteps::All);
        break;
    }
  } else {
    // The report label keeps what the previous source's report said.
    command4.setEnabled(false);
  }

  command5.setEnabled(platform_.fileExists(state.hexPath));
  return true;
}

void Form1::tellNoSummary() {
  label1.setCaption(u"klikni zde...");
  warn(noSummaryText(state_));
}

void Form1::warn(const Text& text) {
  platform_.showMessage(text, u"Varování", MessageIcon::Warning, MessageButtons::Ok);
}

void Form1::showReport(ReportSteps steps) {
  // The caption first: it stands behind the question about the listing.
  if (const auto caption = reportCaption(state_.errorCount, steps)) label1.setCaption(*caption);
  if (offerListing(platform_, state_)) command4.setEnabled(false);
}

}  // namespace tamrill
