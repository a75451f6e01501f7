#include "report/error_report.h"

#include "core/application.h"

namespace tamrill {

// Placeholder until the error report lands.
void errorReport(Application& /*app*/, ReportSteps /*steps*/) {}

void Form1::label1Click() {}

}  // namespace tamrill
