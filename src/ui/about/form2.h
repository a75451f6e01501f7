#pragma once
// The about window: name, version and authorship in white over a picture, two links, and an
// acknowledgement that can be given a dark backing. Its controls are built anew at each showing;
// it keeps nothing of its own between showings.

#include "platform/platform.h"
#include "ui/form.h"

namespace tamrill {

class Form2 final : public ui::Form {
 public:
  Form2(ui::EventGate& gate, Platform& platform);

  ui::Control& image1;  // the program's icon, linking to the outside product
  ui::Control& image2;  // the background picture
  ui::Control& label4;  // the maker's address
  ui::Control& label5;  // the acknowledgement

  void image1Click();
  void label4Click();
  void label5Click();
  void label5DblClick();
  void image2MouseMove();

 protected:
  void handle(ui::Control* source, ui::Event event) override;

 private:
  Platform& platform_;
};

}  // namespace tamrill
