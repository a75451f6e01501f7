#pragma once
// Showing a window modeless, with the user told when it cannot be made.

#include "platform/platform.h"
#include "ui/form.h"
#include "ui/form_host.h"

namespace tamrill::ui {

// A window that cannot be made (the system is out of window handles, say) gets an error box;
// the program goes on with the windows it has.
void showWindow(FormHost& host, Platform& platform, Form& form);

}  // namespace tamrill::ui
