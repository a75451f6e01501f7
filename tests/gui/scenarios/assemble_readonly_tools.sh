#!/usr/bin/env bash
# Read-only tools in the program's folder (a CD, a locked-down installation): the copies beside
# the source are not read-only, so two ticks after the run they are gone and a second staged run
# works as the first. Then the end of the Windows session, arriving while a message box is up,
# removes the copies of a third run without a word and ends the program.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, 2 ERRORS FOUND"
gui_init
standin_install
chmod a-w "$GUI_APP/asm51.exe" "$GUI_APP/mod51" "$GUI_APP/mod52"

project=$(gui_project projekt)
gui_tiny_source "$project/blink.asm"
copies=("$project/asm51.exe" "$project/mod51" "$project/mod52")

gui_open_cmdline "$project/blink.asm"

for run in 1 2; do
  probe click "$GUI_MAIN" Command3 || fail "cannot press Přeložit ($run)"
  probe -t 60000 wait-window Varování || fail "no prompt after run $run"
  standin_wait "$run"
  for copy in "${copies[@]}"; do
    [ -n "$(find "$copy" -perm -u+w)" ] || fail "$copy is read-only or missing after run $run"
  done
  probe answer Varování 7 || fail "cannot answer No ($run)"
  standin_wait_gone 10 "${copies[@]}" >/dev/null || fail "the copies of run $run stayed"
  expect_eq "$(probe boxes)" "" "boxes after run $run"
done

probe click "$GUI_MAIN" Command3 || fail "cannot press Přeložit (3)"
probe -t 60000 wait-window Varování || fail "no prompt after run 3"
probe end-session "$GUI_MAIN" || fail "cannot end the session"
probe -t 20000 wait-count 'Tamrill*' 0 || fail "the program did not end with the session"
for copy in "${copies[@]}"; do [ -e "$copy" ] && fail "$copy is left after the session ended"; done
expect_eq "$(gui_ls "$project")" "blink.asm blink.hex blink.lst " "the source folder"
gui_pass
