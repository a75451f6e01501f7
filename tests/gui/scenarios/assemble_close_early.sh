#!/usr/bin/env bash
# Closing the main window within two seconds of a staged run: the exit clean-up removes the
# copies the run made, leaves the user's own files, and the program ends.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND"
gui_init
standin_install

project=$(gui_project "projekt")
gui_tiny_source "$project/blink.asm"

gui_open_cmdline "$project/blink.asm"
gui_assemble
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "no report after the run"
for tool in asm51.exe mod51 mod52; do
  [ -e "$project/$tool" ] || fail "$tool was not there before the close (a tick came too soon)"
done
probe close "$GUI_MAIN" || fail "cannot close the main window"
probe -t 20000 wait-gone "$GUI_MAIN" || fail "the main window did not close"
probe -t 20000 wait-count 'Tamrill*' 0 || fail "a window of the program is left"
expect_eq "$(gui_ls "$project")" "blink.asm blink.hex blink.lst " "the source folder"
standin_wait 1
expect_eq "$(standin_record 2)" "" "a second start of the assembler"
gui_pass
