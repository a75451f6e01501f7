#include "ui/web_link.h"

namespace tamrill::ui {

void openLink(Platform& platform, const Text& address) {
  if (platform.openWebAddress(address) == SysError::None) return;
  platform.showMessage(u"Webovou adresu " + address +
                           u" se nepodařilo otevřít. Zkontrolujte, zda je v systému nastaven "
                           u"webový prohlížeč.",
                       u"Chyba", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tamrill::ui
