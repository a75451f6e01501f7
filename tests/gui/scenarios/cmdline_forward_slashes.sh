#!/usr/bin/env bash
# A path on the command line written with forward slashes, as some tools pass it, is the same
# path: the box shows it with backslashes and "Přeložit" assembles it by its base name.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND"
gui_init
standin_install

project=$(gui_project projekt)
gui_tiny_source "$project/blink.asm"
windows=$(gui_winpath "$project/blink.asm")

gui_start "\"${windows//\\//}\""
GUI_MAIN="Tamrill - blink.asm"
probe -t 60000 wait-window "$GUI_MAIN" || fail "the source was not opened"
expect_eq "$(probe text "$GUI_MAIN" Text1)" "$windows" "Text1"
gui_assemble
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "no report after the run"
standin_wait 1
expect_eq "$(standin_record 1 | cut -d'|' -f1-2)" \
  "argument=blink|folder=$(gui_winpath "$project")" "how the assembler was started"
gui_pass
