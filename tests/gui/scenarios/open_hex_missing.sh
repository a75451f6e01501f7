#!/usr/bin/env bash
# A source whose HEX file was deleted after opening: "Zobrazit HEX" warns with the file's name
# and disables only itself.
. "$(dirname "$0")/../lib.sh"
gui_init

project=$GUI_WORK/proj
mkdir -p "$project"
printf 'ORG 0\r\nEND\r\n' >"$project/led.asm"
printf '\r\nASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$project/led.lst"
printf ':00000001FF\r\n' >"$project/led.hex"

gui_start
probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Command1 was not enabled"
probe click Tamrill Command1 || fail "cannot press Otevřít ASM"
probe -t 20000 wait-window Open || fail "the file-open dialog did not come up"
probe open-file "$(gui_winpath "$project/led.asm")" || fail "cannot choose the source"

window='Tamrill - led.asm'
probe -t 20000 wait-text "$window" Label1 "bez chyb :)" || fail "the report did not read bez chyb"
probe -t 20000 wait-enabled "$window" Command5 1 || fail "Zobrazit HEX was not enabled"
expect_eq "$(probe boxes)" "" "message boxes after opening"

rm "$project/led.hex"
probe click "$window" Command5 || fail "cannot press Zobrazit HEX"
probe -t 20000 wait-window Varování || fail "no warning for the missing HEX file"
expect_eq "$(probe boxes)" 'title=Varování buttons=1:OK text=Nelze najít soubor "led.hex"' \
  "the warning"
probe answer Varování 1 || fail "cannot close the warning"
probe -t 20000 wait-enabled "$window" Command5 0 || fail "Zobrazit HEX stayed enabled"
for button in Command1 Command2 Command3 Command4; do
  expect_eq "$(probe state "$window" $button | cut -d' ' -f1)" "enabled=1" "$button"
done
expect_eq "$(probe count 'led.hex - Notepad')" "0" "Notepad windows"
gui_pass
