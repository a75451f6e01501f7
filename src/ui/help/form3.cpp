#include "ui/help/form3.h"

#include <array>

#include "ui/help/form3_layout.h"
#include "ui/product_info.h"
#include "ui/web_link.h"

namespace tamrill {

namespace {

constexpr ui::Colour kLinkColour = ui::Colour::rgb(0xFF0000);
constexpr ui::Colour kLinkHoverColour = ui::Colour::rgb(0xC00000);

// One colour per step 1 to 7: only the red swells and fades, and the darkest red is shown for two
// ticks in a row (step 7 and the following step 1).
constexpr std::array<std::uint32_t, 7> kPulseColours = {0x400000, 0x800000, 0xC00000, 0xFF0000,
                                                        0xC00000, 0x800000, 0x400000};

}  // namespace

Form3::Form3(ui::EventGate& gate, Platform& platform)
    : ui::Form(ui::kForm3Design, ui::form3Layout(), gate),
      frame1(control("Frame1")),
      vScroll1(control("VScroll1")),
      label4(control("Label4")),
      label18(control("Label18")),
      label19(control("Label19")),
      label22(control("Label22")),
      label23(control("Label23")),
      timer1(control("Timer1")),
      platform_(platform) {}

void Form3::handle(ui::Control* source, ui::Event event) {
  using ui::Event;
  if (source == nullptr) {
    if (event == Event::MouseMove) form3MouseMove();
    return;
  }
  if (source == &vScroll1) {
    if (event == Event::Change) vScroll1Change();
    if (event == Event::Scroll) vScroll1Scroll();
    return;
  }
  if (source == &timer1 && event == Event::Timer) return timer1Timer();
  if (event == Event::MouseMove) {
    if (source == &label18) label18MouseMove();
    if (source == &frame1) frame1MouseMove();
    return;
  }
  if (event != Event::Click) return;
  if (source == &label18) return label18Click();
  if (source == &label4) return label4Click();
  if (source == &label19) return label19Click();
}

void Form3::scrollContent() {
  // The page's position is a 16-bit value: the subtraction wraps rather than overflows.
  const auto top = static_cast<std::int16_t>(120 - vScroll1.value());
  frame1.setTop(top);
}

void Form3::vScroll1Change() {
  scrollContent();
}
// Fires over and over while the thumb is dragged, so the page follows the thumb.
void Form3::vScroll1Scroll() {
  scrollContent();
}

void Form3::label18MouseMove() {
  label18.setForeColor(kLinkHoverColour);
}
// Only moving over the bare page or window takes the hover colour away again.
void Form3::frame1MouseMove() {
  label18.setForeColor(kLinkColour);
}
void Form3::form3MouseMove() {
  label18.setForeColor(kLinkColour);
}

void Form3::label18Click() {
  openHomePage();
}
void Form3::label4Click() {
  openHomePage();
}

void Form3::timer1Timer() {
  ++pulseStep;
  if (pulseStep >= 8) pulseStep = 1;
  label22.setForeColor(ui::Colour::rgb(kPulseColours[pulseStep - 1]));
  label23.setForeColor(label22.foreColor());
}

void Form3::openHomePage() {
  ui::openLink(platform_, product::kMakerAddress);
}

}  // namespace tamrill
