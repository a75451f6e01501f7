#!/usr/bin/env bash
# An assembler whose fresh listing counts no errors but which writes no HEX file: beside an old
# HEX file, which is left untouched, and with none at all, Tamrill says no "bez chyb :)" but
# warns that the HEX file is not this run's result; "Zobrazit HEX" follows the file.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND" "" no-hex
gui_init
standin_install

project=$(gui_project projekt)
gui_tiny_source "$project/blink.asm"
printf ':00000001FF\r\n' >"$project/blink.hex"
touch -d '1 hour ago' "$project/blink.hex"
old=$(stat -c '%Y %s %i' "$project/blink.hex")
warning="Překladač nezapsal nový soubor \"$(gui_winpath "$project/blink.hex")\", ačkoli výpis neuvádí žádné chyby. Soubor HEX není výsledkem tohoto překladu."

gui_open_cmdline "$project/blink.asm"
gui_assemble
gui_expect_box Varování 1:OK "$warning" 60000
expect_eq "$(probe text "$GUI_MAIN" Label1)" "klikni zde..." "Label1 with an old HEX file"
gui_answer Varování 1
expect_eq "$(stat -c '%Y %s %i' "$project/blink.hex")" "$old" "the old HEX file"
gui_expect_enabled "$GUI_MAIN" 1 Command5

rm "$project/blink.hex"
gui_assemble
gui_expect_box Varování 1:OK "$warning" 60000
expect_eq "$(probe text "$GUI_MAIN" Label1)" "klikni zde..." "Label1 without a HEX file"
gui_answer Varování 1
gui_expect_enabled "$GUI_MAIN" 0 Command5
standin_wait 2
gui_pass
