#include "ui/help/form3.h"

namespace tamrill {

namespace {
const ui::FormSpec kForm3Spec = {
    .name = "Form3",
    .caption = u"Nápověda",
    .clientWidth = 5655,
    .clientHeight = 5535,
    .border = ui::BorderStyle::FixedSingle,
    .showInTaskbar = true,
};
}  // namespace

Form3::Form3(ui::EventGate& gate, Platform& platform)
    : ui::Form(kForm3Spec, {}, gate), platform_(platform) {}

void Form3::handle(ui::Control* /*source*/, ui::Event /*event*/) {}

}  // namespace tamrill
