#include "report/error_report.h"

#include <charconv>
#include <cmath>

#include "app/application.h"
#include "report/notepad.h"
#include "report/listing_scan.h"

namespace tamrill {

Text countText(float errorCount) {
  char buffer[64];
  // Whole counts below ten million are written out in full (1000000, not 1e+06); beyond that
  // the shortest form, which may be scientific.
  const auto format = std::abs(errorCount) < 1e7F ? std::chars_format::fixed
                                                   : std::chars_format::general;
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, errorCount, format);
  if (error != std::errc()) return {};
  return Text(buffer, end);  // ASCII only
}

void errorReport(Application& app, ReportSteps steps) {
  const ProgramState& state = app.state;
  Platform& platform = app.platform;
  Form1& form = app.form1;
  const float count = state.errorCount;

  if (count >= 1) {
    const Text text = countText(count);
    form.label1.setCaption(text + u" chyb");
    const MessageAnswer answer =
        platform.showMessage(u"Nalezeno " + text + u" chyb. Přejete si zobrazit výpis?",
                             u"Varování", MessageIcon::Warning, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) return;
    // The listing may have gone while the question was up.
    if (platform.fileExists(state.listingPath)) {
      showInNotepad(app, state.listingPath);
      return;
    }
    const auto nameLength = static_cast<long long>(state.sourceFileName.size());
    platform.showMessage(
        u"Nelze najít soubor \"" + leftChars(state.sourceFileName, nameLength - 3) + u"lst\"",
        u"Varování", MessageIcon::Warning, MessageButtons::Ok);
    form.command4.setEnabled(false);
  } else if (steps == ReportSteps::All && count < -5) {
    form.label1.setCaption(u"klikni zde...");
  } else if (count == 0) {
    form.label1.setCaption(u"bez chyb :)");
  }
}

// A scan that fails (a listing without its summary, or one that cannot be read) ends the click
// quietly; the program goes on with errorCount and the label as they were.
void Form1::label1Click() {
  if (!scanListing(app_)) return;
  errorReport(app_, ReportSteps::FirstAndLast);
}

}  // namespace tamrill
