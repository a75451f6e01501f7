#include "ui/main/form1.h"

namespace tamrill {

void Form1::toolMissing(TextView fileName) {
  platform_.showMessage(u"Nelze načíslt soubor \"" + Text(fileName) +
                            u"\", problém odstraníte opětovnou instalací aplikace",
                        u"Chyba 01", MessageIcon::Error, MessageButtons::Ok);
  command1.setEnabled(false);
}

void Form1::pairedSourceMissing() {
  platform_.showMessage(u"Nebyl nalezen soubor \"" + pairedSourceFileName + u"\"", u"Informace",
                        MessageIcon::Information, MessageButtons::Ok);
}

void Form1::form1Load() {
  if (onLoad) onLoad();
}

}  // namespace tamrill
