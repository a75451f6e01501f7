#!/usr/bin/env bash
# "Nápověda" opens the help window once however often it is pressed; its texts read back from the
# real controls exactly as laid out; the scroll bar moves the page between its two ends; a new
# showing after closing starts again at the top.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_start_loaded

gui_expect_opens_once Command7 Nápověda

declare -A texts=(
  [Label1]="Tamrill   v${GUI_VERSION%.*}."
  [Label2]='Dílna Tamrill © 2024'
  [Label3]='Vytvořil : Tým Tamrill;tym@tamrill.example'
  [Label4]='tamrill.example'
  [Label5]='Tento program slouží k překladu z Assembleru do hexadecimální podoby. Je to pouze uživatelské rozhraní pro program Asm51.exe (a jeho knihovny MOD51 a MOD52), který pracuje v konzole.'
  [Label6]='Tento program odešle programu Asm51.exe potřebná data (cestu k souboru) pro překlad z Assembleru.'
  [Label19]='Ve složce s tímto programem musí být soubory ASM51.EXE, MOD51 a MOD52!! (Klikni pro kontrolu)'
  [Label7]='Návod k obsluze :'
  [Label8]='Tlačítkam "Otevřít ASM" otevřete příslušný soubor (maximální délka souboru (bez koncovky) může být 8 znaků!'
  [Label9]='Tlačítkem "Zobrazit ASM" si můžete prohlédnout zdrojový kód Assembleru v poznámkovém bloku.'
  [Label10]='Tlačítkemut "Přeložit" se přeloží zdrojový kód Assembleru do hexadecimálního kódu (soubor*.hex) a vytvoří se výpis o překladu (soubor *.LST). Oba tyto soubory budou uloženy ve složce se souborem *.ASM (kód v Assembleru)'
  [Label11]='Tlačítkem "Zobrazit výpis" zobrazíte výpis po překladu do hex.'
  [Label12]='Tlačítkem "Zobrazit HEX" zobrazíte program v hexadecimální podobě.'
  [Label13]='Tento soubor (kód v něm) se nahraje do procesoru!'
  [Label15]='Tlačítkem "Nápověda" zobrazíte tuto nápovědu'
  [Label16]='Tlačítkem "O programu" zobrazíte informace o programu.'
  [Label14]='Tlačítkem "Konec" ukončíte program'
  [Label20]='Program obsahuje funkci detekce chyb. Při otevření souboru program načte ze souboru *.lst (pokud existuje) počet nalezených chyb v přeloženém souboru, nikoliv ve zdrojovém kódu (souboru *.asm)!'
  [Label21]='Při překladu proběhne automatická kontrola. Pokud chcete "manuálně" zkontrolovat chyby klikněte na text "Hlášení o chybách" (pod tlačítkem Přeložit).'
  [Label17]='Tento program dokáže i otevřít soubory kliknutím pravým tlačítkem na zvolený soubor (*.asm, *.hex, *.lst) a zvolením tohoto programu pro otevření souboru.'
  [Label22]='P o d p o ř t e   t v o r b u   d a l š í c h   p r o g r a m ů'
  [Label23]='. . . k l i k n ě t e   n a   o d k a z  . . . '
  [Label18]='T  A  M  R  I  L  L  .  E  X  A  M  P  L  E'
)
for label in "${!texts[@]}"; do
  expect_eq "$(probe text Nápověda "$label")" "${texts[$label]}" "$label"
done

# At 96 DPI, 15 twips make a pixel.
gui_geometry Nápověda
expect_eq "${GUI_CW}x${GUI_CH}" "377x369" "client area (5655 x 5535 twips)"
rect() { gui_rect Nápověda "$1"; }
expect_eq "$(rect VScroll1)" "352,8,17,353" "VScroll1"
expect_eq "$(rect Frame1)" "8,0,337,817" "Frame1 at the top"
expect_eq "$(rect Label5)" "24,104,299,53" "Label5 inside the frame"

# Polls, with a time-out, until the frame's top edge is at $1 pixels.
frame_top_is() { [ "$(rect Frame1 | cut -d, -f2)" = "$1" ]; }
frame_at() { gui_within 10 frame_top_is "$1"; }
probe scroll Nápověda VScroll1 bottom
frame_at -445 || fail "the thumb at the bottom does not put the frame at -6680 twips: $(rect Frame1)"
expect_eq "$(rect Label18 | cut -d, -f2)" "347" "Label18 at the bottom, inside the window"
probe scroll Nápověda VScroll1 top
frame_at 0 || fail "the thumb at the top does not put the frame back at 0: $(rect Frame1)"
# An arrow step is 100 twips; a click beside the thumb is the window's height less an arrow.
probe scroll Nápověda VScroll1 line-down
frame_at -7 || fail "an arrow step did not move the page by 100 twips: $(rect Frame1)"
probe scroll Nápověda VScroll1 page-down
probe scroll Nápověda VScroll1 line-down
frame_at -376 || fail "a page step between two arrow steps did not make 5635 twips: $(rect Frame1)"

# Closed and shown again: built anew, at the top.
probe close Nápověda
probe wait-gone Nápověda || fail "the help window did not close"
probe click Tamrill Command7
probe wait-window Nápověda || fail "the help window did not open again"
expect_eq "$(rect Frame1)" "8,0,337,817" "Frame1 after showing again"
expect_eq "$(probe count Nápověda)" "1" "help windows after showing again"
gui_pass
