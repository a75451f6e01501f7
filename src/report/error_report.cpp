#include "report/error_report.h"

#include <charconv>
#include <cmath>

#include "base/paths.h"
#include "report/notepad.h"

namespace tamrill {

Text countText(float errorCount) {
  char buffer[64];
  // Whole counts below ten million are written out in full (1000000, not 1e+06); beyond that
  // the shortest form, which may be scientific.
  const auto format =
      std::abs(errorCount) < 1e7F ? std::chars_format::fixed : std::chars_format::general;
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, errorCount, format);
  if (error != std::errc()) return {};
  return Text(buffer, end);  // ASCII only
}

std::optional<Text> reportCaption(float errorCount, ReportSteps steps) {
  if (errorCount >= 1) return countText(errorCount) + u" chyb";
  if (steps == ReportSteps::All && errorCount < -5) return Text(u"klikni zde...");
  if (errorCount == 0) return Text(u"bez chyb :)");
  return std::nullopt;
}

bool offerListing(Platform& platform, const ProgramState& state) {
  if (!(state.errorCount >= 1)) return false;
  const MessageAnswer answer = platform.showMessage(
      u"Nalezeno " + countText(state.errorCount) + u" chyb. Přejete si zobrazit výpis?",
      u"Varování", MessageIcon::Warning, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return false;
  // The listing may have gone while the question was up.
  if (platform.fileExists(state.listingPath)) {
    showInNotepad(platform, state.listingPath);
    return false;
  }
  platform.showMessage(
      u"Nelze najít soubor \"" + replaceLast3(state.sourceFileName, u"lst") + u"\"", u"Varování",
      MessageIcon::Warning, MessageButtons::Ok);
  return true;
}

}  // namespace tamrill
