// The main window's commands: opening a source, viewing its files in Notepad, the report label,
// and showing the help and about windows.

#include <initializer_list>

#include "base/paths.h"
#include "report/listing_scan.h"
#include "report/notepad.h"
#include "ui/about/form2.h"
#include "ui/help/form3.h"
#include "ui/main/form1.h"
#include "ui/show_window.h"

namespace tamrill {

void Form1::viewFile(const Text& path, const Text& shownName,
                     std::initializer_list<ui::Control*> disabledWhenMissing) {
  if (platform_.fileExists(path)) {
    showInNotepad(platform_, path);
    return;
  }
  platform_.showMessage(u"Nelze najít soubor \"" + shownName + u"\"", u"Varování",
                        MessageIcon::Warning, MessageButtons::Ok);
  for (ui::Control* button : disabledWhenMissing) button->setEnabled(false);
}

void Form1::command1Click() {
  // Cancelling or closing the dialog changes nothing and says nothing.
  const auto chosen = platform_.chooseFileToOpen(u"ASM File|*.asm");
  if (!chosen) return;
  state_.sourcePath = chosen->path;
  state_.sourceFileName = chosen->title;
  // A listing whose count cannot be read ends the open quietly, with what loading did kept.
  if (!loadSource()) return;
}

void Form1::command2Click() {
  viewFile(state_.sourcePath, state_.sourceFileName, {&command2, &command3});
}

// The file names shown are the source's name with its last three characters replaced: blik.asm
// gives blik.lst.
void Form1::command4Click() {
  viewFile(state_.listingPath, replaceLast3(state_.sourceFileName, u"lst"), {&command4});
}

void Form1::command5Click() {
  viewFile(state_.hexPath, replaceLast3(state_.sourceFileName, u"hex"), {&command5});
}

void Form1::command7Click() {
  ui::showWindow(host_, platform_, help_);
}
void Form1::command8Click() {
  ui::showWindow(host_, platform_, about_);
}

// A listing that cannot be read ends the click quietly; the program goes on with errorCount and
// the label as they were.
void Form1::label1Click() {
  switch (scanListing(platform_, state_)) {
    case ScanResult::NoSummary:
      return tellNoSummary();
    case ScanResult::Failed:
      return;
    case ScanResult::Read:
    case ScanResult::NoListing:
      return showReport(ReportSteps::FirstAndLast);
  }
}

}  // namespace tamrill
