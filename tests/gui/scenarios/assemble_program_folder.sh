#!/usr/bin/env bash
# A source in the program's own folder, assembled for ten seconds: nothing is copied, the run is
# waited for, and meanwhile the window answers what the system sends it at once while a click
# on "Přeložit" made during the run is not taken, then or afterwards. The report is the run's own
# count, not that of the old listing that was there before.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND" 10000
gui_init
standin_install

printf 'ORG 0\r\nEND\r\n' >"$GUI_APP/blink.asm"
printf 'ASSEMBLY COMPLETE, 3 ERRORS FOUND\r\n' >"$GUI_APP/blink.lst"
touch -d '1 hour ago' "$GUI_APP/blink.lst"
main='Tamrill - blink.asm'
before=$(cd "$GUI_APP" && ls | tr '\n' ' ')

gui_start "\"$(gui_winpath "$GUI_APP/blink.asm")\""
probe -t 60000 wait-window Varování || fail "no report of the old listing"
probe answer Varování 7 || fail "cannot answer No"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"

probe click "$main" Command3 || fail "cannot press Přeložit"
standin_wait 1
for _ in 1 2 3; do
  took=$(probe -t 1000 send "$main") || fail "the window did not answer within a second"
  gui_log "answered a sent message in ${took} ms during the run"
done
probe click "$main" Command3 || fail "cannot press Přeložit during the run"
expect_eq "$(probe boxes)" "" "boxes during the run"

probe -t 30000 wait-text "$main" Label1 "bez chyb :)" || fail "not the run's own count"
expect_eq "$(probe boxes)" "" "boxes after the run"
expect_eq "$(standin_record 1)" \
  "argument=blink|folder=$(gui_winpath "$GUI_APP")|mod51=$(standin_first_line "$GUI_APP/mod51")|mod52=$(standin_first_line "$GUI_APP/mod52")" \
  "how the assembler was started"
expect_eq "$(probe state "$main" Command4 | cut -d' ' -f1)" "enabled=1" "Command4"
expect_eq "$(probe state "$main" Command5 | cut -d' ' -f1)" "enabled=1" "Command5"

# Two ticks later nothing of the program's folder has gone, and the click made during the run
# has started nothing.
took=$(standin_wait_gone 3 "$GUI_APP/mod51") && fail "mod51 vanished after ${took} s"
expect_eq "$(standin_record 2)" "" "a second start of the assembler"
expect_eq "$(cd "$GUI_APP" && ls | tr '\n' ' ')" \
  "$(printf '%s\n' $before blink.hex | sort | tr '\n' ' ')" "the program's folder"
gui_pass
