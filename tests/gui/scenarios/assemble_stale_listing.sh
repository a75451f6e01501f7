#!/usr/bin/env bash
# An assembler that ends without writing its listing, beside an old listing that says "no
# errors": no count is reported from the old listing; a warning says that the result is unknown.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "-"
gui_init
standin_install

project="$GUI_WORK/projekt"
mkdir -p "$project"
printf 'ORG 0\r\nEND\r\n' >"$project/blink.asm"
printf 'ASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$project/blink.lst"
touch -d '1 hour ago' "$project/blink.lst"
main='Tamrill - blink.asm'

gui_start "\"$(gui_winpath "$project/blink.asm")\""
probe -t 60000 wait-text "$main" Label1 "bez chyb :)" || fail "no report of the old listing"
probe click "$main" Command3 || fail "cannot press Přeložit"
probe -t 60000 wait-window Varování || fail "no warning after the run"
expect_eq "$(probe boxes)" \
  "title=Varování buttons=1:OK text=Překladač nezapsal nový výpis \"$(gui_winpath "$project/blink.lst")\". Výsledek překladu nelze zjistit." \
  "the warning"
expect_eq "$(probe text "$main" Label1)" "klikni zde..." "Label1"
gui_pass
