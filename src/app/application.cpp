#include "app/application.h"

namespace tamrill {

Application::Application(Platform& platformServices, ui::FormHost& formHost)
    : platform(platformServices),
      host(formHost),
      form2(gate, platform),
      form3(gate, platform),
      form1(platform, host, state, gate, form2, form3) {
  form1.onLoad = [this] { startUp(*this); };
}

}  // namespace tamrill
