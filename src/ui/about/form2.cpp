#include "ui/about/form2.h"

namespace tamrill {

namespace {
const ui::FormSpec kForm2Spec = {
    .name = "Form2",
    .caption = u"O Programu",
    .clientWidth = 4680,
    .clientHeight = 3360,
    .border = ui::BorderStyle::FixedToolWindow,
    .showInTaskbar = false,
};
}  // namespace

Form2::Form2(ui::EventGate& gate, Platform& platform)
    : ui::Form(kForm2Spec, {}, gate), platform_(platform) {}

void Form2::handle(ui::Control* /*source*/, ui::Event /*event*/) {}

}  // namespace tamrill
