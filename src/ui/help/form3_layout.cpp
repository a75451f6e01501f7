#include "ui/help/form3_layout.h"

#include <array>

#include "ui/product_info.h"

namespace tamrill::ui {

namespace {
constexpr int kClientHeight = 5535;
}  // namespace

const FormDesign kForm3Design = {
    .name = "Form3",
    .caption = u"Nápověda",
    .clientWidth = 5655,
    .clientHeight = kClientHeight,
    .border = BorderStyle::FixedSingle,
    .showInTaskbar = true,
};

namespace {

constexpr Font kHeading = {975, true};
constexpr Font kBanner = {825, true};
constexpr Colour kWindowText = Colour::system(SystemColour::WindowText);
constexpr Colour kShadow = Colour::system(SystemColour::ButtonShadow);
constexpr Colour kHighlight = Colour::system(SystemColour::Highlight);
constexpr Colour kPulseStart = Colour::rgb(0x400000);
constexpr const char* kFrame = "Frame1";

// A line from (x1, y1) to (x2, y2) on the frame.
// clang-format off
constexpr ControlDesign line(const char* name, int x1, int y1, int x2, int y2, Colour colour) {
  return ControlDesign{.name = name, .kind = ControlKind::Line, .left = x1, .top = y1, .width = x2,
                     .height = y2, .container = kFrame, .foreColor = colour};
}

// The content is more than twice as tall as the window: it all lies on the borderless Frame1,
// which VScroll1 moves. Every position below Frame1 is relative to the frame. The scroll bar
// steps by 100 twips per arrow click, and by a page (the window's height less an arrow step, so
// that the last line of a page comes again at the top of the next) per click beside the thumb
// and Page Up / Page Down: a step of 1 twip moved nothing the eye could see.
constexpr int kArrowStep = 100;
constexpr int kPageStep = kClientHeight - kArrowStep;

constexpr std::array kLayout = {
    ControlDesign{.name = "Frame1", .kind = ControlKind::Frame, .left = 120, .top = 0,
                .width = 5055, .height = 12255, .tabIndex = 0},
    ControlDesign{.name = "VScroll1", .kind = ControlKind::ScrollBar, .left = 5280, .top = 120,
                .width = 255, .height = 5295, .tabIndex = 1, .minimum = 120, .maximum = 6800,
                .value = 120, .smallChange = kArrowStep, .largeChange = kPageStep},

    ControlDesign{.name = "Image1", .kind = ControlKind::Image, .left = 120, .top = 120,
                .width = 480, .height = 480, .container = kFrame,
                .picture = Picture::ProgramIcon},
    ControlDesign{.name = "Label1", .kind = ControlKind::Label,
                .caption = product::kNameAndVersion,
                .left = 720, .top = 120, .width = 1920, .height = 240, .container = kFrame,
                .font = kHeading, .autoSize = true},
    ControlDesign{.name = "Label2", .kind = ControlKind::Label, .caption = product::kMakerAndYear,
                .left = 720, .top = 480, .width = 2340, .height = 195, .container = kFrame,
                .autoSize = true},
    ControlDesign{.name = "Label3", .kind = ControlKind::Label, .caption = product::kAuthorLine,
                .left = 720, .top = 720, .width = 3300, .height = 195, .container = kFrame,
                .autoSize = true},
    ControlDesign{.name = "Label4", .kind = ControlKind::Label, .caption = product::kMakerHost,
                .tooltip = u"Více informací", .left = 720, .top = 1080, .width = 1800,
                .height = 240, .container = kFrame, .font = kHeading, .autoSize = true,
                .cursor = Cursor::HelpArrow},
    line("Line1", 240, 1440, 4800, 1440, kWindowText),
    ControlDesign{.name = "Label5", .kind = ControlKind::Label,
                .caption = u"Tento program slouží k překladu z Assembleru do hexadecimální "
                           u"podoby. Je to pouze uživatelské rozhraní pro program Asm51.exe (a "
                           u"jeho knihovny MOD51 a MOD52), který pracuje v konzole.",
                .left = 240, .top = 1560, .width = 4485, .height = 795, .container = kFrame},
    ControlDesign{.name = "Label6", .kind = ControlKind::Label,
                .caption = u"Tento program odešle programu Asm51.exe potřebná data (cestu k "
                           u"souboru) pro překlad z Assembleru.",
                .left = 240, .top = 2520, .width = 4455, .height = 495, .container = kFrame},
    ControlDesign{.name = "Label19", .kind = ControlKind::Label,
                .caption = u"Ve složce s tímto programem musí být soubory ASM51.EXE, MOD51 a "
                           u"MOD52!! (Klikni pro kontrolu)",
                .tooltip = u"Kontrola souborů...", .left = 240, .top = 3000, .width = 4575,
                .height = 495, .container = kFrame, .foreColor = Colour::rgb(0xC00000),
                .cursor = Cursor::HelpArrow},
    ControlDesign{.name = "Label7", .kind = ControlKind::Label, .caption = u"Návod k obsluze :",
                .left = 240, .top = 3720, .width = 1875, .height = 240, .container = kFrame,
                .font = kHeading, .autoSize = true},
    ControlDesign{.name = "Label8", .kind = ControlKind::Label,
                .caption = u"Tlačítkam \"Otevřít ASM\" otevřete příslušný soubor (maximální "
                           u"délka souboru (bez koncovky) může být 8 znaků!",
                .left = 240, .top = 4080, .width = 4575, .height = 495, .container = kFrame},
    line("Line2", 240, 4560, 4920, 4560, kShadow),
    ControlDesign{.name = "Label9", .kind = ControlKind::Label,
                .caption = u"Tlačítkem \"Zobrazit ASM\" si můžete prohlédnout zdrojový kód "
                           u"Assembleru v poznámkovém bloku.",
                .left = 240, .top = 4680, .width = 4575, .height = 495, .container = kFrame},
    line("Line6", 240, 5160, 4920, 5160, kShadow),
    ControlDesign{.name = "Label10", .kind = ControlKind::Label,
                .caption = u"Tlačítkemut \"Přeložit\" se přeloží zdrojový kód Assembleru do "
                           u"hexadecimálního kódu (soubor*.hex) a vytvoří se výpis o překladu "
                           u"(soubor *.LST). Oba tyto soubory budou uloženy ve složce se "
                           u"souborem *.ASM (kód v Assembleru)",
                .left = 240, .top = 5280, .width = 4575, .height = 855, .container = kFrame},
    // A bracket at the right edge, from the text on "Přeložit" down to the error-detection note.
    line("Line5", 4680, 5760, 5040, 5760, Colour::system(SystemColour::ActiveBorder)),
    line("Line12", 5040, 5760, 5040, 9480, Colour::system(SystemColour::ActiveBorder)),
    line("Line7", 240, 6240, 4920, 6240, kShadow),
    ControlDesign{.name = "Label11", .kind = ControlKind::Label,
                .caption = u"Tlačítkem \"Zobrazit výpis\" zobrazíte výpis po překladu do hex.",
                .left = 240, .top = 6360, .width = 4575, .height = 255, .container = kFrame},
    line("Line8", 240, 6720, 4920, 6720, kShadow),
    ControlDesign{.name = "Label12", .kind = ControlKind::Label,
                .caption = u"Tlačítkem \"Zobrazit HEX\" zobrazíte program v hexadecimální "
                           u"podobě.",
                .left = 240, .top = 6840, .width = 4575, .height = 495, .container = kFrame},
    ControlDesign{.name = "Label13", .kind = ControlKind::Label,
                .caption = u"Tento soubor (kód v něm) se nahraje do procesoru!", .left = 240,
                .top = 7320, .width = 3630, .height = 195, .container = kFrame,
                .foreColor = Colour::rgb(0xFF0000), .autoSize = true},
    line("Line9", 240, 7560, 4920, 7560, kShadow),
    ControlDesign{.name = "Label15", .kind = ControlKind::Label,
                .caption = u"Tlačítkem \"Nápověda\" zobrazíte tuto nápovědu", .left = 240,
                .top = 7680, .width = 3420, .height = 195, .container = kFrame,
                .autoSize = true},
    ControlDesign{.name = "Label16", .kind = ControlKind::Label,
                .caption = u"Tlačítkem \"O programu\" zobrazíte informace o programu.",
                .left = 240, .top = 7920, .width = 4035, .height = 195, .container = kFrame,
                .autoSize = true},
    ControlDesign{.name = "Label14", .kind = ControlKind::Label,
                .caption = u"Tlačítkem \"Konec\" ukončíte program", .left = 240, .top = 8160,
                .width = 2655, .height = 195, .container = kFrame, .autoSize = true},
    // Of the two readings of this line's extra setting, two pixels wide rather than dashed: it
    // sets the error-detection note apart more clearly than the thin grey lines above it.
    ControlDesign{.name = "Line10", .kind = ControlKind::Line, .left = 240, .top = 8520,
                .width = 4920, .height = 8520, .container = kFrame,
                .foreColor = Colour::rgb(0x000000), .lineWidth = 2},
    ControlDesign{.name = "Label20", .kind = ControlKind::Label,
                .caption = u"Program obsahuje funkci detekce chyb. Při otevření souboru program "
                           u"načte ze souboru *.lst (pokud existuje) počet nalezených chyb v "
                           u"přeloženém souboru, nikoliv ve zdrojovém kódu (souboru *.asm)!",
                .left = 240, .top = 8640, .width = 4575, .height = 855, .container = kFrame,
                .foreColor = kHighlight},
    line("Line11", 4680, 9480, 5040, 9480, Colour::system(SystemColour::InactiveBorder)),
    ControlDesign{.name = "Label21", .kind = ControlKind::Label,
                .caption = u"Při překladu proběhne automatická kontrola. Pokud chcete "
                           u"\"manuálně\" zkontrolovat chyby klikněte na text \"Hlášení o "
                           u"chybách\" (pod tlačítkem Přeložit).",
                .left = 240, .top = 9600, .width = 4575, .height = 615, .container = kFrame,
                .foreColor = kHighlight},
    line("Line3", 240, 10320, 4920, 10320, kWindowText),
    ControlDesign{.name = "Label17", .kind = ControlKind::Label,
                .caption = u"Tento program dokáže i otevřít soubory kliknutím pravým tlačítkem "
                           u"na zvolený soubor (*.asm, *.hex, *.lst) a zvolením tohoto programu "
                           u"pro otevření souboru.",
                .left = 240, .top = 10440, .width = 4575, .height = 615, .container = kFrame},
    line("Line4", 360, 11160, 4800, 11160, kWindowText),
    ControlDesign{.name = "Label22", .kind = ControlKind::Label,
                .caption = u"P o d p o ř t e   t v o r b u   d a l š í c h   p r o g r a m ů",
                .left = 0, .top = 11280, .width = 5010, .height = 195, .container = kFrame,
                .foreColor = kPulseStart, .font = kBanner, .alignment = Alignment::Centre},
    ControlDesign{.name = "Label23", .kind = ControlKind::Label,
                .caption = u". . . k l i k n ě t e   n a   o d k a z  . . . ", .left = 0,
                .top = 11520, .width = 5055, .height = 255, .container = kFrame,
                .foreColor = kPulseStart, .font = kBanner, .alignment = Alignment::Centre},
    ControlDesign{.name = "Label18", .kind = ControlKind::Label,
                .caption = product::kMakerHostSpaced.data(), .tooltip = u"Více informací",
                .left = 0, .top = 11880, .width = 5055, .height = 255, .container = kFrame,
                .foreColor = Colour::rgb(0xFF0000), .font = kHeading,
                .alignment = Alignment::Centre, .cursor = Cursor::HelpArrow},
    ControlDesign{.name = "Timer1", .kind = ControlKind::Timer, .interval = 1000},
};
// clang-format on

}  // namespace

std::span<const ControlDesign> form3Layout() {
  return kLayout;
}

}  // namespace tamrill::ui
