#!/usr/bin/env bash
# A source whose HEX file was deleted after opening: "Zobrazit HEX" warns with the file's name
# and disables only itself.
. "$(dirname "$0")/../lib.sh"
gui_init

project=$(gui_project "proj")
gui_tiny_source "$project/led.asm"
printf '\r\nASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$project/led.lst"
printf ':00000001FF\r\n' >"$project/led.hex"

gui_start_loaded
gui_open_dialog "$project/led.asm"
probe -t 20000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "the report did not read bez chyb"
probe -t 20000 wait-enabled "$GUI_MAIN" Command5 1 || fail "Zobrazit HEX was not enabled"
expect_eq "$(probe boxes)" "" "message boxes after opening"

rm "$project/led.hex"
probe click "$GUI_MAIN" Command5 || fail "cannot press Zobrazit HEX"
gui_expect_box Varování 1:OK 'Nelze najít soubor "led.hex"'
gui_answer Varování 1
probe -t 20000 wait-enabled "$GUI_MAIN" Command5 0 || fail "Zobrazit HEX stayed enabled"
gui_expect_enabled "$GUI_MAIN" 1 Command1 Command2 Command3 Command4
expect_eq "$(probe count 'led.hex - Notepad')" "0" "Notepad windows"
gui_pass
