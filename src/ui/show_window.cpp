#include "ui/show_window.h"

namespace tamrill::ui {

void showWindow(Platform& platform, Form& form) {
  if (platform.showForm(form)) return;
  platform.showMessage(u"Okno nelze otevřít.", u"Chyba", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tamrill::ui
