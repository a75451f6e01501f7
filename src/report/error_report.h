#pragma once

#include <optional>

#include "base/text.h"
#include "platform/platform.h"
#include "state/program_state.h"

namespace tamrill {

enum class ReportSteps {
  All,          // after loading a source and after an assembly
  FirstAndLast  // a click on the report label: no "klikni zde..." for a missing listing
};

// What the report label says about the last scan's errorCount; none when it keeps its caption.
std::optional<Text> reportCaption(float errorCount, ReportSteps steps);

// When the last scan found errors: asks whether to show the listing and shows it in Notepad.
// True when the user wanted it but the listing had gone meanwhile (the user is told so), and the
// button that shows it no longer has anything to show.
[[nodiscard]] bool offerListing(Platform& platform, const ProgramState& state);

// The error count in its shortest decimal form, with no leading blank: 3, 12, 0.5, -3.
Text countText(float errorCount);

}  // namespace tamrill
