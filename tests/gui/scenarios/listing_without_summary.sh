#!/usr/bin/env bash
# No count is made up from a listing without its summary. A listing whose comment says
# "3 errors found" with no "assembly complete," ahead of it gets the warning when the source is
# opened and when Label1 is clicked; a listing the assembler cut off before its summary gets it
# after "Přeložit". Each time Label1 asks for a new scan.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPL"
gui_init
standin_install

project=$(gui_project projekt)
gui_tiny_source "$project/blink.asm"
printf '0000  ORG 0\r\n0000  ; 3 errors found in the old version\r\n' >"$project/blink.lst"
warning="Výpis \"$(gui_winpath "$project/blink.lst")\" neobsahuje souhrn překladu. Počet chyb nelze zjistit."

gui_open_cmdline "$project/blink.asm"
gui_box_ok Varování "$warning"
expect_eq "$(probe text "$GUI_MAIN" Label1)" "klikni zde..." "Label1 after opening"
# Loading went on to the HEX button after the warning.
gui_expect_enabled "$GUI_MAIN" 0 Command5

probe click "$GUI_MAIN" Label1 || fail "cannot click Label1"
gui_box_ok Varování "$warning"

gui_assemble
gui_expect_box Varování 1:OK "$warning" 60000
expect_eq "$(probe text "$GUI_MAIN" Label1)" "klikni zde..." "Label1 after Přeložit"
gui_answer Varování 1
standin_wait 1
grep -q 'ASSEMBLY COMPL' "$project/blink.lst" || fail "the stand-in did not write the cut listing"
gui_pass
