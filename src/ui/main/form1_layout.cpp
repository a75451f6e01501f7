#include "ui/main/form1_layout.h"

#include <array>

namespace tamrill::ui {

const FormDesign kForm1Design = {
    .name = "Form1",
    .caption = u"Tamrill",
    .clientWidth = 4455,
    .clientHeight = 2415,
    .border = BorderStyle::FixedSingle,
    .showInTaskbar = true,
};

namespace {

constexpr Colour kWindowText = Colour::system(SystemColour::WindowText);

// The buttons form a grid of three columns one inch apart and three rows; the sixth cell holds
// the report label and the line runs between the second and the third row.
// clang-format off
constexpr std::array kLayout = {
    ControlDesign{.name = "Text1", .kind = ControlKind::TextBox, .tooltip = u"Otevřený *.asm soubor",
                .left = 120, .top = 120, .width = 4215, .height = 615, .tabIndex = 5,
                .foreColor = kWindowText, .multiLine = true},
    ControlDesign{.name = "Command1", .kind = ControlKind::Button, .caption = u"Otevřít ASM",
                .tooltip = u"Otevřít soubor *.asm", .left = 120, .top = 840, .width = 1335,
                .height = 375, .enabled = false, .tabIndex = 0},
    ControlDesign{.name = "Command2", .kind = ControlKind::Button, .caption = u"Zobrazit ASM",
                .tooltip = u"Zobrazí kód v ASSEMBLERu", .left = 1560, .top = 840, .width = 1335,
                .height = 375, .enabled = false, .tabIndex = 1},
    ControlDesign{.name = "Command3", .kind = ControlKind::Button, .caption = u"Přeložit",
                .tooltip = u"Přeloží soubor z Assembleru do HEX", .left = 3000, .top = 840,
                .width = 1335, .height = 375, .enabled = false, .tabIndex = 3},
    ControlDesign{.name = "Command4", .kind = ControlKind::Button, .caption = u"Zobrazit výpis",
                .tooltip = u"Zobrazí výpis po překladu", .left = 120, .top = 1320, .width = 1335,
                .height = 375, .enabled = false, .tabIndex = 4},
    ControlDesign{.name = "Command5", .kind = ControlKind::Button, .caption = u"Zobrazit HEX",
                .tooltip = u"Zobrazí soubor *.HEX", .left = 1560, .top = 1320, .width = 1335,
                .height = 375, .enabled = false, .tabIndex = 2},
    ControlDesign{.name = "Label1", .kind = ControlKind::Label, .caption = u"nenačteno...",
                .tooltip = u"hlášení o chybách", .left = 3150, .top = 1395, .width = 915,
                .height = 195, .tabIndex = 9, .alignment = Alignment::Centre, .autoSize = true},
    ControlDesign{.name = "Line1", .kind = ControlKind::Line, .left = 120, .top = 1800,
                .width = 4320, .height = 1800, .foreColor = kWindowText},
    ControlDesign{.name = "Command7", .kind = ControlKind::Button, .caption = u"Nápověda",
                .tooltip = u"Nápověda k programu", .left = 120, .top = 1920, .width = 1335,
                .height = 375, .tabIndex = 8},
    ControlDesign{.name = "Command8", .kind = ControlKind::Button, .caption = u"O programu",
                .tooltip = u"O programu Tamrill", .left = 1560, .top = 1920, .width = 1335,
                .height = 375, .tabIndex = 7},
    ControlDesign{.name = "Command6", .kind = ControlKind::Button, .caption = u"Konec",
                .tooltip = u"Ukončí program", .left = 3000, .top = 1920, .width = 1335,
                .height = 375, .tabIndex = 6},
    // Never seen: the listing is read through the platform's file service, not through this box.
    ControlDesign{.name = "RichTextBox1", .kind = ControlKind::RichTextBox,
                .caption = u"RichTextBox1", .left = 1320, .top = 0, .width = 495, .height = 495,
                .visible = false, .tabIndex = 10},
    ControlDesign{.name = "Timer1", .kind = ControlKind::Timer, .left = 240, .top = 0,
                .interval = 1000},
};
// clang-format on

}  // namespace

std::span<const ControlDesign> form1Layout() {
  return kLayout;
}

}  // namespace tamrill::ui
