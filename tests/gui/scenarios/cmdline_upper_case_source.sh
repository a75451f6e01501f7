#!/usr/bin/env bash
# The command line names a source in capitals, "…\BLINK.ASM": its ending is recognised without
# regard to case, the name keeps its capitals in the caption, and the assembler is given BLINK.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND"
gui_init
standin_install

project=$(gui_project "projekt")
gui_tiny_source "$project/BLINK.ASM"

gui_open_cmdline "$project/BLINK.ASM"  # waits for the caption "Tamrill - BLINK.ASM"
expect_eq "$(probe text "$GUI_MAIN" Text1)" "$(gui_winpath "$project/BLINK.ASM")" "Text1"
expect_eq "$(probe boxes)" "" "message boxes"

gui_assemble
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "no report after the run"
standin_wait 1
expect_eq "$(standin_record 1 | cut -d'|' -f1)" "argument=BLINK" "the base name"
[ -f "$project/BLINK.lst" ] || fail "no listing BLINK.lst"
gui_pass
