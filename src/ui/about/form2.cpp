#include "ui/about/form2.h"

#include "ui/about/form2_layout.h"
#include "ui/product_info.h"
#include "ui/web_link.h"

namespace tamrill {

Form2::Form2(ui::EventGate& gate, Platform& platform)
    : ui::Form(ui::kForm2Design, ui::form2Layout(), gate),
      image1(control("Image1")),
      image2(control("Image2")),
      label4(control("Label4")),
      label5(control("Label5")),
      platform_(platform) {}

void Form2::handle(ui::Control* source, ui::Event event) {
  using ui::Event;
  if (source == &image1 && event == Event::Click) return image1Click();
  if (source == &label4 && event == Event::Click) return label4Click();
  if (source == &label5 && event == Event::Click) return label5Click();
  if (source == &label5 && event == Event::DblClick) return label5DblClick();
  if (source == &image2 && event == Event::MouseMove) return image2MouseMove();
}

void Form2::image1Click() {
  ui::openLink(platform_, product::kOutsideProductAddress);
}

void Form2::label4Click() {
  ui::openLink(platform_, product::kMakerAddress);
}

void Form2::label5Click() {
  label5.setOpaque(true);
}

// The platform has delivered a Click first, so the label was opaque for a moment.
void Form2::label5DblClick() {
  label5.setVisible(!label5.visible());
  ui::openLink(platform_, product::kMakerAddress);
}

// Only the picture takes the backing away: moving within the label or over the other labels
// keeps it.
void Form2::image2MouseMove() {
  label5.setOpaque(false);
}

}  // namespace tamrill
