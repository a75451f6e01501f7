#pragma once
// The help window.

#include "platform/platform.h"
#include "ui/form.h"

namespace tamrill {

class Form3 final : public ui::Form {
 public:
  Form3(ui::EventGate& gate, Platform& platform);

 protected:
  void handle(ui::Control* source, ui::Event event) override;

 private:
  Platform& platform_;
};

}  // namespace tamrill
