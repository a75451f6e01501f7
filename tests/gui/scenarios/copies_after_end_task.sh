#!/usr/bin/env bash
# Tamrill ended by force ("End task") while the assembler runs: its copies outlive it, recorded in
# the user's local application data. Started again with no file, it removes them within five
# seconds, all but the one the user replaced with a file of their own meanwhile.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND" 5000
gui_init
standin_install

project=$(gui_project projekt)
gui_tiny_source "$project/blink.asm"

gui_open_cmdline "$project/blink.asm"
gui_assemble
standin_wait 1
records=$(standin_records) || fail "no folder of records while the assembler runs"
grep -qF "$(gui_winpath "$project/mod51")" "$records"/copies-*.txt ||
  fail "the copies were not recorded before the run"
standin_helper end-task "$GUI_MAIN" || fail "cannot end Tamrill's task"
probe -t 20000 wait-count 'Tamrill*' 0 || fail "Tamrill did not end"
# The assembler goes on to its end by itself.
gui_within 20 test -e "$project/blink.hex" || fail "the stand-in did not finish"
for tool in asm51.exe mod51 mod52; do
  [ -e "$project/$tool" ] || fail "$tool was removed although Tamrill was ended by force"
done
rm "$project/mod52"
printf 'vlastni mod52\r\n' >"$project/mod52"

gui_start_loaded
took=$(standin_wait_gone 5 "$project/asm51.exe" "$project/mod51") ||
  fail "the copies were not removed within 5 s of the start"
gui_log "the copies were gone ${took} s after the main window was up"
expect_eq "$(gui_ls "$project")" "blink.asm blink.hex blink.lst mod52 " "the source folder"
expect_eq "$(tr -d '\r' <"$project/mod52")" "vlastni mod52" "the user's mod52"
if grep -qF "$(gui_winpath "$project")" "$records"/* 2>/dev/null; then
  fail "a record still names the project"
fi
gui_expect_no_box
gui_pass
