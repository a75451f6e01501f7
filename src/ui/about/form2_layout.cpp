#include "ui/about/form2_layout.h"

#include <array>

#include "ui/product_info.h"

namespace tamrill::ui {

const FormDesign kForm2Design = {
    .name = "Form2",
    .caption = u"O Programu",
    .clientWidth = 4680,
    .clientHeight = 3360,
    .border = BorderStyle::FixedToolWindow,
    .showInTaskbar = false,
};

namespace {

constexpr Colour kWhite = Colour::rgb(0xFFFFFF);
constexpr Font kHeading = {975, true};

// White text straight on the picture. Rows go from the top of the stack down, so the picture
// that fills the window comes last and lies beneath everything. It is 150 twips taller than the
// window, and its bottom strip is cut off.
// clang-format off
constexpr std::array kLayout = {
    ControlDesign{.name = "Label8", .kind = ControlKind::Label,
                .caption = product::kVersionText, .left = 120, .top = 3120, .width = 4410,
                .height = 195, .foreColor = kWhite, .autoSize = true},
    // Transparent at first; a click gives it its black backing, for when the picture behind
    // makes the white words hard to read.
    ControlDesign{.name = "Label5", .kind = ControlKind::Label,
                .caption = product::kAcknowledgement, .left = 120, .top = 1680, .width = 4455,
                .height = 855, .foreColor = kWhite, .backColor = Colour::rgb(0x000000),
                .opaque = false},
    ControlDesign{.name = "Label4", .kind = ControlKind::Label, .caption = product::kMakerHost,
                .tooltip = u"Více informací", .left = 720, .top = 1080, .width = 1800,
                .height = 240, .foreColor = kWhite, .font = kHeading, .autoSize = true,
                .cursor = Cursor::HelpArrow},
    ControlDesign{.name = "Label3", .kind = ControlKind::Label, .caption = product::kAuthorLine,
                .left = 720, .top = 720, .width = 3300, .height = 195, .foreColor = kWhite,
                .autoSize = true},
    ControlDesign{.name = "Label2", .kind = ControlKind::Label, .caption = product::kMakerAndYear,
                .left = 720, .top = 480, .width = 2340, .height = 195, .foreColor = kWhite,
                .autoSize = true},
    ControlDesign{.name = "Label1", .kind = ControlKind::Label,
                .caption = product::kNameAndVersion,
                .left = 720, .top = 120, .width = 1920, .height = 240, .foreColor = kWhite,
                .font = kHeading, .autoSize = true},
    ControlDesign{.name = "Image1", .kind = ControlKind::Image,
                .tooltip = product::kOutsideProductName, .left = 120, .top = 120, .width = 480,
                .height = 480, .picture = Picture::ProgramIcon},
    ControlDesign{.name = "Image2", .kind = ControlKind::Image, .left = 0, .top = 0,
                .width = 4680, .height = 3510, .picture = Picture::AboutBackground},
};
// clang-format on

}  // namespace

std::span<const ControlDesign> form2Layout() {
  return kLayout;
}

}  // namespace tamrill::ui
