#!/usr/bin/env bash
# A source in the program's own folder: nothing is copied, the assembler is started there without
# waiting, so the scan comes before the stand-in (which takes its time) has written the listing;
# a click on the report label reads the listing once it is there.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND" 3000
gui_init
standin_install

printf 'ORG 0\r\nEND\r\n' >"$GUI_APP/blink.asm"
main='Tamrill - blink.asm'
before=$(cd "$GUI_APP" && ls | tr '\n' ' ')

gui_start "\"$(gui_winpath "$GUI_APP/blink.asm")\""
probe -t 60000 wait-window "$main" || fail "the main window did not open the source"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"

probe click "$main" Command3 || fail "cannot press Přeložit"
probe -t 20000 wait-window Informace || fail "no notice of the listing that is not there yet"
expect_eq "$(probe boxes)" \
  "title=Informace buttons=1:OK text=Soubor $(gui_winpath "$GUI_APP/blink.lst") neexistuje" \
  "the scan's notice"
standin_wait 1
expect_eq "$(standin_record 1)" \
  "argument=blink|folder=$(gui_winpath "$GUI_APP")|mod51=$(standin_first_line "$GUI_APP/mod51")|mod52=$(standin_first_line "$GUI_APP/mod52")" \
  "how the assembler was started"
probe answer Informace 1 || fail "cannot close the notice"
probe wait-gone Informace || fail "the notice did not close"
expect_eq "$(probe text "$main" Label1)" "klikni zde..." "Label1"
expect_eq "$(probe state "$main" Command4 | cut -d' ' -f1)" "enabled=1" "Command4"
expect_eq "$(probe state "$main" Command5 | cut -d' ' -f1)" "enabled=1" "Command5"

for _ in $(seq 1 200); do [ -e "$GUI_APP/blink.lst" ] && break; sleep 0.1; done
probe click "$main" Label1 || fail "cannot click the report label"
probe -t 20000 wait-text "$main" Label1 "bez chyb :)" || fail "the report after the click"

# Two ticks later nothing of the program's folder has gone: it was no staged run.
took=$(standin_wait_gone 3 "$GUI_APP/mod51") && fail "mod51 vanished after ${took} s"
expect_eq "$(cd "$GUI_APP" && ls | tr '\n' ' ')" \
  "$(printf '%s\n' $before blink.hex blink.lst | sort | tr '\n' ' ')" "the program's folder"
gui_pass
