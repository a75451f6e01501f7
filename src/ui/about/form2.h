#pragma once
// The about window.

#include "platform/platform.h"
#include "ui/form.h"

namespace tamrill {

class Form2 final : public ui::Form {
 public:
  Form2(ui::EventGate& gate, Platform& platform);

 protected:
  void handle(ui::Control* source, ui::Event event) override;

 private:
  Platform& platform_;
};

}  // namespace tamrill
