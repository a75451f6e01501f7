// The main window's commands: opening a source, viewing its files in Notepad, ending the
// program and showing the help and about windows.

#include <initializer_list>

#include "app/application.h"
#include "ui/main/load_source.h"
#include "report/notepad.h"

namespace tamrill {

namespace {

// Shows path in Notepad, or, when the file has gone, says so and disables the buttons that
// depend on it until a source is loaded again.
void viewFile(Application& app, const Text& path, const Text& shownName,
              std::initializer_list<ui::Control*> disabledWhenMissing) {
  if (app.platform.fileExists(path)) {
    showInNotepad(app, path);
    return;
  }
  app.platform.showMessage(u"Nelze najít soubor \"" + shownName + u"\"", u"Varování",
                           MessageIcon::Warning, MessageButtons::Ok);
  for (ui::Control* button : disabledWhenMissing) button->setEnabled(false);
}

// The source's name with its last three characters replaced: blik.asm gives blik.lst.
Text siblingName(const ProgramState& state, TextView extension) {
  const auto length = static_cast<long long>(state.sourceFileName.size());
  return leftChars(state.sourceFileName, length - 3) + Text(extension);
}

}  // namespace

void Form1::command1Click() {
  // Cancelling or closing the dialog changes nothing and says nothing.
  const auto chosen = app_.platform.chooseFileToOpen(u"ASM File|*.asm");
  if (!chosen) return;
  app_.state.sourcePath = chosen->path;
  app_.state.sourceFileName = chosen->title;
  // A listing whose count cannot be read ends the open quietly, with what loading did kept.
  if (!loadSource(app_)) return;
}

void Form1::command2Click() {
  viewFile(app_, app_.state.sourcePath, app_.state.sourceFileName, {&command2, &command3});
}

void Form1::command4Click() {
  viewFile(app_, app_.state.listingPath, siblingName(app_.state, u"lst"), {&command4});
}

void Form1::command5Click() {
  viewFile(app_, app_.state.hexPath, siblingName(app_.state, u"hex"), {&command5});
}

void Form1::command7Click() { app_.platform.showForm(app_.form3); }
void Form1::command8Click() { app_.platform.showForm(app_.form2); }

}  // namespace tamrill
