// "Přeložit": runs the assembler on the opened source and reports the listing. A source in the
// program's folder is assembled there; one elsewhere gets the tools copied beside it for the run,
// and the timed clean-up removes those copies again.

#include "assembly/failure_text.h"
#include "assembly/run_assembler.h"
#include "assembly/staging.h"
#include "core/application.h"
#include "core/paths.h"
#include "report/error_report.h"
#include "report/listing_scan.h"

namespace tamrill {

namespace {

void reportListing(Application& app) {
  app.form1.label1.setCaption(u"klikni zde...");
  // A scan that fails ends the command quietly; what the command did before it stays.
  if (!scanListing(app)) return;
  errorReport(app, ReportSteps::All);
}

// Copies still pending from an earlier staged run are removed before new ones are made, so that
// the new run never mistakes them for the user's files and leaves them behind for good.
bool removeEarlierCopies(Application& app) {
  if (!stagedCopiesPending(app.form1)) return true;
  const std::vector<StayedCopy> stayed = removeStagedCopies(app, PresenceTest::Skip);
  if (!stayed.empty()) {
    const StayedCopy& first = stayed.front();
    app.platform.showMessage(
        u"Nelze smazat soubor \"" + Text(first.tool->copyName) + u"\" ve složce \"" +
            app.form1.stagedFolder + u"\", který tam zkopíroval předchozí překlad.\n" +
            fileFailureReason(first.error) + u"\nNelze přeložit soubor.",
        u"Chyba", MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  // That run's clean-up is done now; the new run counts its two ticks afresh.
  app.state.assembled = kFalse;
  app.state.cleanupTicks = 0;
  return true;
}

}  // namespace

void Form1::command3Click() {
  Platform& platform = app_.platform;
  ProgramState& state = app_.state;

  if (!platform.fileExists(state.appAssemblerPath)) {
    platform.showMessage(
        u"Nenalezen soubor ASM51.EXE ve složce s tímto programem. Nelze přeložit soubor.",
        u"Chyba", MessageIcon::Error, MessageButtons::Ok);
    reportListing(app_);
    return;
  }

  if (!platform.fileExists(state.sourcePath)) {
    platform.showMessage(u"Nelze najít soubor \"" + state.sourceFileName +
                             u"\" Zkuste ho najít pomocí tlačítka \"Otevřít ASM\"",
                         u"Varování", MessageIcon::Warning, MessageButtons::Ok);
    command2.setEnabled(false);
    return;
  }

  // Without a base name the assembler would be started with no argument and wait for input
  // in its console for ever.
  const Text baseName = baseNameOf(state.sourceFileName);
  if (baseName.empty()) {
    platform.showMessage(u"Název souboru \"" + state.sourceFileName +
                             u"\" je příliš krátký: před příponou (například .asm) musí mít "
                             u"alespoň jeden znak. Soubor nelze přeložit.",
                         u"Varování", MessageIcon::Warning, MessageButtons::Ok);
    return;
  }

  const Text folder = folderOf(state.sourcePath, state.sourceFileName);
  if (state.appFolder == state.sourceFolder) {
    runAssembler(app_, assemblerCommandLine(state.appAssemblerPath, baseName), folder, Waiting::No);
  } else {
    if (!removeEarlierCopies(app_)) return;
    if (!stageTools(app_, folder)) {
      // The copies made before the failure go with the timed clean-up, as after a run.
      if (stagedCopiesPending(*this)) state.assembled = kTrue;
      return;
    }
    runAssembler(app_, assemblerCommandLine(folder + state.assemblerFileName, baseName), folder,
                 Waiting::UntilEnded);
    state.assembled = kTrue;
  }

  command4.setEnabled(true);
  command5.setEnabled(true);
  reportListing(app_);
}

}  // namespace tamrill
