#include "ui/show_window.h"

namespace tamrill::ui {

void showWindow(FormHost& host, Platform& platform, Form& form) {
  if (host.showForm(form)) return;
  platform.showMessage(u"Okno nelze otevřít.", u"Chyba", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tamrill::ui
