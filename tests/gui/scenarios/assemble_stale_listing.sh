#!/usr/bin/env bash
# An assembler that ends without writing its listing, beside an old listing that says "no
# errors": no count is reported from the old listing; a warning says that the result is unknown.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "-"
gui_init
standin_install

project=$(gui_project projekt)
gui_tiny_source "$project/blink.asm"
printf 'ASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$project/blink.lst"
touch -d '1 hour ago' "$project/blink.lst"

gui_open_cmdline "$project/blink.asm"
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "no report of the old listing"
probe click "$GUI_MAIN" Command3 || fail "cannot press Přeložit"
gui_expect_box Varování 1:OK \
  "Překladač nezapsal nový výpis \"$(gui_winpath "$project/blink.lst")\". Výsledek překladu nelze zjistit." 60000
expect_eq "$(probe text "$GUI_MAIN" Label1)" "klikni zde..." "Label1"
gui_pass
