#!/usr/bin/env bash
# Every label of the three windows shows all of its text in the prefix's fonts: measured in a
# test program that shows the windows on this scenario's display. A screenshot of the help
# window, as Tamrill itself shows it, is kept for looking at.
. "$(dirname "$0")/../lib.sh"
gui_init
log=$GUI_WORK/look.log
timeout 60 wine "$GUI_BIN/tamrill_win32_tests.exe" --gtest_filter='Look.*' >"$log" 2>&1 ||
  fail "a label cuts its text off: $(cat "$log")"
grep -q '^\[  PASSED  \] 1 test' "$log" || fail "the look test did not run: $(cat "$log")"

gui_start_loaded
gui_open_help
gui_log "screenshot: $(gui_screenshot Nápověda help-window)"
gui_pass
