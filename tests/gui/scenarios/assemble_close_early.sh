#!/usr/bin/env bash
# Closing the main window within two seconds of a staged run: the exit clean-up removes the
# copies the run made, leaves the user's own files, and the program ends.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND"
gui_init
standin_install

project="$GUI_WORK/projekt"
mkdir -p "$project"
printf 'ORG 0\r\nEND\r\n' >"$project/blink.asm"
main='Tamrill - blink.asm'

gui_start "\"$(gui_winpath "$project/blink.asm")\""
probe -t 60000 wait-window "$main" || fail "the main window did not open the source"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"

probe click "$main" Command3 || fail "cannot press Přeložit"
probe -t 60000 wait-text "$main" Label1 "bez chyb :)" || fail "no report after the run"
for tool in asm51.exe mod51 mod52; do
  [ -e "$project/$tool" ] || fail "$tool was not there before the close (a tick came too soon)"
done
probe close "$main" || fail "cannot close the main window"
probe -t 20000 wait-gone "$main" || fail "the main window did not close"
probe -t 20000 wait-count 'Tamrill*' 0 || fail "a window of the program is left"
expect_eq "$(cd "$project" && ls | tr '\n' ' ')" "blink.asm blink.hex blink.lst " "the source folder"
standin_wait 1
expect_eq "$(standin_record 2)" "" "a second start of the assembler"
gui_pass
