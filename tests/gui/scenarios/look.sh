#!/usr/bin/env bash
# Every label of the three windows shows all of its text in the prefix's fonts: measured in a
# test program that shows the windows on this scenario's display. Screenshots of the help
# window as Tamrill itself shows it, at the top and scrolled to the end, are kept to look at.
. "$(dirname "$0")/../lib.sh"
gui_init
log=$GUI_WORK/look.log
timeout 60 wine "$GUI_BIN/tamrill_win32_tests.exe" --gtest_filter='Look.*' >"$log" 2>&1 ||
  fail "the look test failed: $(cat "$log")"
grep -q '^\[  PASSED  \] 2 tests' "$log" || fail "the look test did not run: $(cat "$log")"

gui_start_loaded
gui_open_help
gui_log "screenshot: $(gui_screenshot Nápověda help-window-top)"
probe scroll Nápověda VScroll1 bottom
at_end() { [ "$(gui_rect Nápověda Frame1 | cut -d, -f2)" = -445 ]; }
gui_within 10 at_end || fail "the help window did not scroll to its end"
gui_log "screenshot: $(gui_screenshot Nápověda help-window-end)"
gui_pass
