#include "assembly/assemble.h"

#include "assembly/run_assembler.h"
#include "base/failure_text.h"
#include "base/names.h"
#include "base/paths.h"
#include "state/staged_copies.h"

namespace tamrill {

namespace {

void warn(Platform& platform, const Text& text) {
  platform.showMessage(text, u"Varování", MessageIcon::Warning, MessageButtons::Ok);
}

// The assembler reads NAME.asm whatever it is handed: for main.a51 it would assemble some other
// file or none, and then rewrite main.hex and main.lst. A name the load refused is not the
// open source at all.
bool refusedName(Platform& platform, const Text& fileName) {
  if (nameTooLong(fileName)) {
    warn(platform, kNameTooLongWarning);
    return true;
  }
  if (toLower(rightChars(fileName, 4)) != u".asm") {
    warn(platform, u"Soubor \"" + fileName +
                       u"\" nelze přeložit: překladač ASM51 překládá jen soubory s příponou .asm.");
    return true;
  }
  return false;
}

bool stageBeside(Platform& platform, ProgramState& state, const Text& folder) {
  const ToolOriginals originals{state.appAssemblerPath, state.appMod51Path, state.appMod52Path};
  const StagingResult result = stageTools(platform, state.staged, originals, folder);
  if (result.done) return true;
  platform.showMessage(u"Nelze zkopírovat soubor \"" + Text(copyNameOf(result.failedTool)) +
                           u"\" do složky \"" + folder + u"\".\n" +
                           fileFailureReason(result.error) + u"\nNelze přeložit soubor.",
                       u"Chyba", MessageIcon::Error, MessageButtons::Ok);
  // The copies made before the failure go with the timed clean-up, as after a run.
  if (state.staged.pending()) state.assembled = true;
  return false;
}

}  // namespace

AssemblyRun assembleSource(Platform& platform, ProgramState& state) {
  if (refusedName(platform, state.sourceFileName)) return {AssemblyOutcome::Refused};

  // Nothing runs, so there is no listing of this run to report on.
  if (!platform.fileExists(state.appAssemblerPath)) {
    platform.showMessage(
        u"Nenalezen soubor ASM51.EXE ve složce s tímto programem. Nelze přeložit soubor.", u"Chyba",
        MessageIcon::Error, MessageButtons::Ok);
    return {AssemblyOutcome::NoAssembler};
  }

  if (!platform.fileExists(state.sourcePath)) {
    warn(platform, u"Nelze najít soubor \"" + state.sourceFileName +
                       u"\" Zkuste ho najít pomocí tlačítka \"Otevřít ASM\"");
    return {AssemblyOutcome::SourceMissing};
  }

  // Without a base name the assembler would be started with no argument and wait for input
  // in its console for ever.
  const Text baseName = baseNameOf(state.sourceFileName);
  if (baseName.empty()) {
    warn(platform, u"Název souboru \"" + state.sourceFileName +
                       u"\" je příliš krátký: před příponou (například .asm) musí mít "
                       u"alespoň jeden znak. Soubor nelze přeložit.");
    return {AssemblyOutcome::Refused};
  }

  const Text folder = folderOf(state.sourcePath, state.sourceFileName);
  Text program = state.appAssemblerPath;
  const bool staged = state.appFolder != state.sourceFolder;
  if (staged) {
    // Copies of earlier runs that are still pending, here or elsewhere, stay recorded: those
    // here are used again, and the timed clean-up counts its two ticks from this run.
    state.cleanupTicks = 0;
    if (!stageBeside(platform, state, folder)) return {AssemblyOutcome::Refused};
    program = folder + state.assemblerFileName;
  }

  const StampResult listingBefore = platform.fileStamp(state.listingPath);
  const StampResult hexBefore = platform.fileStamp(state.hexPath);
  const std::uint64_t runStart = platform.fileTimeNow();
  const bool ran = runAssembler(platform, assemblerCommandLine(program, baseName), folder);
  if (staged) state.assembled = true;
  if (!ran) return {AssemblyOutcome::RunFailed};

  const StampResult listingAfter = platform.fileStamp(state.listingPath);
  if (listingAfter.error == SysError::None &&
      !writtenByRun(listingBefore, listingAfter.stamp, runStart)) {
    return {AssemblyOutcome::StaleListing};
  }
  // A HEX file whose stamp cannot be read is not known to be new.
  const StampResult hexAfter = platform.fileStamp(state.hexPath);
  const bool newHex =
      hexAfter.error == SysError::None && writtenByRun(hexBefore, hexAfter.stamp, runStart);
  // A listing that is not there is told by the scan.
  return {AssemblyOutcome::Ran, newHex};
}

Text staleListingText(const ProgramState& state) {
  return u"Překladač nezapsal nový výpis \"" + state.listingPath +
         u"\". Výsledek překladu nelze zjistit.";
}

Text staleHexText(const ProgramState& state) {
  return u"Překladač nezapsal nový soubor \"" + state.hexPath +
         u"\", ačkoli výpis neuvádí žádné chyby. Soubor HEX není výsledkem tohoto překladu.";
}

}  // namespace tamrill
