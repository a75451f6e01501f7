#!/usr/bin/env bash
# The command line names a source in capitals, "…\BLINK.ASM": its ending is recognised without
# regard to case, the name keeps its capitals in the caption, and the assembler is given BLINK.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND"
gui_init
standin_install

project="$GUI_WORK/projekt"
mkdir -p "$project"
printf 'ORG 0\r\nEND\r\n' >"$project/BLINK.ASM"
main='Tamrill - BLINK.ASM'

gui_start "\"$(gui_winpath "$project/BLINK.ASM")\""
probe -t 60000 wait-window "$main" || fail "the source was not opened"
expect_eq "$(probe text "$main" Text1)" "$(gui_winpath "$project/BLINK.ASM")" "Text1"
expect_eq "$(probe boxes)" "" "message boxes"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"

probe click "$main" Command3 || fail "cannot press Přeložit"
probe -t 60000 wait-text "$main" Label1 "bez chyb :)" || fail "no report after the run"
standin_wait 1
expect_eq "$(standin_record 1 | cut -d'|' -f1)" "argument=BLINK" "the base name"
[ -f "$project/BLINK.lst" ] || fail "no listing BLINK.lst"
gui_pass
