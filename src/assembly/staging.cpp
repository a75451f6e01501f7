#include "assembly/staging.h"

#include "assembly/failure_text.h"
#include "core/application.h"

namespace tamrill {

bool stagedCopiesPending(const Form1& form) {
  for (const StagedTool& tool : kStagedTools) {
    if (form.*tool.pending) return true;
  }
  return false;
}

std::vector<StayedCopy> removeStagedCopies(Application& app, PresenceTest presence) {
  Form1& form = app.form1;
  std::vector<StayedCopy> stayed;
  for (const StagedTool& tool : kStagedTools) {
    if (form.*tool.flag != kTrue || !(form.*tool.pending)) continue;
    const Text path = form.stagedFolder + tool.copyName;
    if (presence == PresenceTest::First && !app.platform.fileExists(path)) {
      form.*tool.pending = false;
      continue;
    }
    const SysError error = app.platform.deleteFile(path);
    // Gone already (the user removed it): nothing of ours is left there.
    if (error == SysError::None || error == SysError::NotFound) {
      form.*tool.pending = false;
    } else {
      stayed.push_back(StayedCopy{&tool, error});
    }
  }
  return stayed;
}

bool stageTools(Application& app, const Text& folder) {
  Form1& form = app.form1;
  form.stagedFolder = folder;
  for (const StagedTool& tool : kStagedTools) {
    form.*tool.flag = kFalse;
    form.*tool.pending = false;
  }
  for (const StagedTool& tool : kStagedTools) {
    const Text target = folder + tool.copyName;
    // A file of that name is the user's own, whatever its letter case: it is used, never replaced.
    if (app.platform.fileExists(target)) continue;
    const SysError error = app.platform.copyFile(app.state.*tool.appPath, target);
    if (error != SysError::None) {
      app.platform.showMessage(u"Nelze zkopírovat soubor \"" + Text(tool.copyName) +
                                   u"\" do složky \"" + folder + u"\".\n" +
                                   fileFailureReason(error) + u"\nNelze přeložit soubor.",
                               u"Chyba", MessageIcon::Error, MessageButtons::Ok);
      return false;
    }
    form.*tool.flag = kTrue;
    form.*tool.pending = true;
  }
  return true;
}

}  // namespace tamrill
