#!/usr/bin/env bash
# A staged run in a folder whose name holds a space and Czech letters and which already holds the
# user's own mod51: the assembler and mod52 are copied beside the source, the stand-in assembler
# runs there with the base name and finds the user's mod51 and the copied mod52, the listing's
# count is reported, and about two seconds later the copies are gone while the user's mod51 is
# still there, unchanged.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, 2 ERRORS FOUND"
gui_init
standin_install

project=$(gui_project "Můj projekt č. 1")
gui_tiny_source "$project/blink.asm"
printf 'vlastni mod51 uzivatele\r\n' >"$project/mod51"

gui_open_cmdline "$project/blink.asm"
expect_eq "$(probe boxes)" "" "message boxes before assembling"

gui_assemble
gui_expect_box Varování "6:&Yes,7:&No" "Nalezeno 2 chyb. Přejete si zobrazit výpis?" 60000
standin_wait 1
expect_eq "$(standin_record 1)" \
  "argument=blink|folder=$(gui_winpath "$project")|mod51=vlastni mod51 uzivatele|mod52=$(standin_first_line "$GUI_APP/mod52")" \
  "how the assembler was started"
expect_eq "$(probe text "$GUI_MAIN" Label1)" "2 chyb" "Label1"
# While the prompt is up no tick is taken, so the copies are still there.
cmp -s "$project/asm51.exe" "$GUI_APP/asm51.exe" || fail "no copy of the assembler beside the source"
cmp -s "$project/mod52" "$GUI_APP/mod52" || fail "no copy of mod52 beside the source"

probe answer Varování 7 || fail "cannot answer No"
[ -e "$project/asm51.exe" ] || fail "the copies went at once, not two ticks later"
took=$(standin_wait_gone 10 "$project/asm51.exe" "$project/mod52") ||
  fail "the copies were not removed"
gui_log "the copies were gone ${took} s after the prompt closed"
expect_eq "$(gui_ls "$project")" "blink.asm blink.hex blink.lst mod51 " "the source folder"
expect_eq "$(tr -d '\r' <"$project/mod51")" "vlastni mod51 uzivatele" "the user's mod51"
gui_expect_enabled "$GUI_MAIN" 1 Command4 Command5
gui_pass
