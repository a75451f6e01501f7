// The help window's check that the assembler and its two include files lie in the program's
// folder. All three are looked for before anything is shown; each one missing gets its own
// warning and a pointer to the maker's web site, where the program can be had again.

#include "ui/help/form3.h"

namespace tamrill {

namespace {

Text missingFileMessage(TextView shownName) {
  return u"Nenalezen soubor " + Text(shownName) +
         u", potíže odstraníte opětovnou instalací aplikace";
}

}  // namespace

void Form3::label19Click() {
  const Text folder = platform_.programFolder();
  foundAssembler = platform_.fileExists(folder + u"\\asm51.exe");
  foundMod51 = platform_.fileExists(folder + u"\\mod51");
  foundMod52 = platform_.fileExists(folder + u"\\mod52");

  const struct {
    bool found;
    const char16_t* shownName;
  } files[] = {{foundAssembler, u"ASM51.EXE"}, {foundMod51, u"MOD51"}, {foundMod52, u"MOD52"}};
  for (const auto& file : files) {
    if (file.found) continue;
    platform_.showMessage(missingFileMessage(file.shownName), u"Varování", MessageIcon::Warning,
                          MessageButtons::Ok);
    openHomePage();
  }

  if (foundAssembler && foundMod51 && foundMod52) {
    platform_.showMessage(u"Nalezeny všechny soubory. Vše je OK", u"Informace",
                          MessageIcon::Information, MessageButtons::Ok);
  }
}

}  // namespace tamrill
