#include "app/application.h"

namespace tamrill {

Application::Application(Platform& platformServices)
    : platform(platformServices), form1(*this), form2(gate, platform), form3(gate, platform) {}

}  // namespace tamrill
