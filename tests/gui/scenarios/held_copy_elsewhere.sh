#!/usr/bin/env bash
# A copy held open by another program cannot be deleted: it stays recorded and is tried again
# at later ticks without a box, and it does not stop "Přeložit" of a source in another folder;
# when the program ends after the hold, nothing is left.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND" 4000
gui_init
standin_install

first=$(gui_project prvni)
second=$(gui_project druhy)
gui_tiny_source "$first/blink.asm"
gui_tiny_source "$second/led.asm"
ready=$GUI_WORK/held
release=$GUI_WORK/release

gui_open_cmdline "$first/blink.asm"
gui_assemble
standin_wait 1
# Held while the assembler still runs, so that the timed clean-up finds it held.
standin_helper hold "$(gui_winpath "$first/mod51")" "$(gui_winpath "$ready")" \
  "$(gui_winpath "$release")" &
holder=$!
gui_within 20 test -e "$ready" || fail "the file could not be held"
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "no report after the run"
standin_wait_gone 10 "$first/asm51.exe" "$first/mod52" >/dev/null ||
  fail "the copies that were not held were not removed"
[ -e "$first/mod51" ] || fail "the held copy is gone"
gui_expect_no_box

probe click "$GUI_MAIN" Command1 || fail "cannot press Otevřít ASM"
probe -t 20000 wait-window Open || fail "the file-open dialog did not come up"
probe open-file "$(gui_winpath "$second/led.asm")" || fail "cannot choose led.asm"
GUI_MAIN="Tamrill - led.asm"
probe -t 20000 wait-window "$GUI_MAIN" || fail "the second source was not opened"
gui_assemble
standin_wait 2
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "no report after the second run"
gui_expect_no_box
standin_wait_gone 10 "$second/asm51.exe" "$second/mod51" "$second/mod52" >/dev/null ||
  fail "the second run's copies were not removed"
[ -e "$first/mod51" ] || fail "the held copy is gone while held"

touch "$release"
wait "$holder" || fail "the holder failed"
probe close "$GUI_MAIN" || fail "cannot close the main window"
probe -t 20000 wait-count 'Tamrill*' 0 || fail "a window of the program is left"
expect_eq "$(gui_ls "$first")" "blink.asm blink.hex blink.lst " "the first folder"
expect_eq "$(gui_ls "$second")" "led.asm led.hex led.lst " "the second folder"
gui_pass
