#!/usr/bin/env bash
# A source in the program's own folder: nothing is copied, the assembler is started there without
# waiting, so the scan comes before the stand-in (which takes its time) has written the listing;
# a click on the report label reads the listing once it is there.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND" 3000
gui_init
standin_install

gui_tiny_source "$GUI_APP/blink.asm"
before=$(gui_ls "$GUI_APP")

gui_open_cmdline "$GUI_APP/blink.asm"
gui_assemble
gui_expect_box Informace 1:OK "Soubor $(gui_winpath "$GUI_APP/blink.lst") neexistuje"
standin_wait 1
expect_eq "$(standin_record 1)" \
  "argument=blink|folder=$(gui_winpath "$GUI_APP")|mod51=$(standin_first_line "$GUI_APP/mod51")|mod52=$(standin_first_line "$GUI_APP/mod52")" \
  "how the assembler was started"
gui_answer Informace 1
expect_eq "$(probe text "$GUI_MAIN" Label1)" "klikni zde..." "Label1"
gui_expect_enabled "$GUI_MAIN" 1 Command4 Command5

gui_within 20 test -e "$GUI_APP/blink.lst" || fail "the stand-in wrote no listing"
probe click "$GUI_MAIN" Label1 || fail "cannot click the report label"
probe -t 20000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "the report after the click"

# Two ticks later nothing of the program's folder has gone: it was no staged run.
took=$(standin_wait_gone 3 "$GUI_APP/mod51") && fail "mod51 vanished after ${took} s"
expect_eq "$(gui_ls "$GUI_APP")" \
  "$(printf '%s\n' $before blink.hex blink.lst | sort | tr '\n' ' ')" "the program's folder"
gui_pass
