#include "ui/main/load_source.h"

#include "app/application.h"
#include "base/paths.h"
#include "report/error_report.h"
#include "report/listing_scan.h"

namespace tamrill {

bool loadSource(Application& app) {
  ProgramState& state = app.state;
  Platform& platform = app.platform;
  Form1& form = app.form1;

  if (nameTooLong(state.sourceFileName)) {
    platform.showMessage(kNameTooLongWarning, u"Varování", MessageIcon::Warning,
                         MessageButtons::Ok);
    return true;
  }

  state.hexPath = replaceLast3(state.sourcePath, u"hex");
  state.listingPath = replaceLast3(state.sourcePath, u"lst");
  state.sourceFolder = folderOf(state.sourcePath, state.sourceFileName);
  form.text1.setCaption(state.sourcePath);
  form.setCaption(u"Tamrill - " + state.sourceFileName);
  // Only ever enabled here: without the tools found at start-up there is nothing to run.
  if (!state.appAssemblerPath.empty() && !state.sourcePath.empty()) form.command3.setEnabled(true);
  form.command2.setEnabled(true);

  if (platform.fileExists(state.listingPath)) {
    form.command4.setEnabled(true);
    if (!scanListing(app)) return false;
    errorReport(app, ReportSteps::All);
  } else {
    // The report label keeps what the previous source's report said.
    form.command4.setEnabled(false);
  }

  form.command5.setEnabled(platform.fileExists(state.hexPath));
  return true;
}

}  // namespace tamrill
