#!/usr/bin/env bash
# Opening a source through the real file-open dialog when its listing reports 3 errors: the
# report label reads "3 chyb", the prompt's text is exact, and Yes shows the listing in Notepad.
. "$(dirname "$0")/../lib.sh"
gui_init

project=$(gui_project "moje projekty")
printf 'ORG 0\r\nMOV A,#1\r\nEND\r\n' >"$project/blik.asm"
printf '0000 7401  MOV A,#1\r\n\r\nASSEMBLY COMPLETE, 3 ERRORS FOUND\r\n' >"$project/blik.lst"
printf ':00000001FF\r\n' >"$project/blik.hex"

gui_start_loaded
gui_open_dialog "$project/blik.asm"

# The prompt comes up while the source is being loaded, after the label was set.
gui_expect_box Varování "6:&Yes,7:&No" "Nalezeno 3 chyb. Přejete si zobrazit výpis?"
expect_eq "$(probe text "$GUI_MAIN" Label1)" "3 chyb" "Label1"
expect_eq "$(probe text "$GUI_MAIN" Text1)" "$(gui_winpath "$project/blik.asm")" "Text1"

gui_answer Varování 6
probe -t 20000 wait-window 'blik.lst - Notepad' || fail "Notepad did not show the listing"
probe controls 'blik.lst - Notepad' | grep -q 'ASSEMBLY COMPLETE, 3 ERRORS FOUND' ||
  fail "Notepad does not show the listing's text"
expect_eq "$(probe boxes)" "" "message boxes after Yes"
gui_expect_enabled "$GUI_MAIN" 1 Command4
gui_pass
