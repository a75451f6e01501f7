#pragma once

#include "base/text.h"

namespace tamrill {

class Application;

enum class ReportSteps {
  All,          // after loading a source and after an assembly
  FirstAndLast  // a click on the report label: no "klikni zde..." for a missing listing
};

// Tells the user what the last scan's errorCount means: the report label's caption and, when
// there are errors, the offer to show the listing in Notepad.
void errorReport(Application& app, ReportSteps steps);

// The error count in its shortest decimal form, with no leading blank: 3, 12, 0.5, -3.
Text countText(float errorCount);

}  // namespace tamrill
