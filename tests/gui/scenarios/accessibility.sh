#!/usr/bin/env bash
# The names a screen reader hears, read through the system's accessibility interface in a test
# program that shows the main window on this scenario's display.
. "$(dirname "$0")/../lib.sh"
gui_init
# Into a file, not a pipe: the system processes that COM starts outlive the test program and
# would hold a pipe open.
log=$GUI_WORK/accessibility.log
timeout 60 wine "$GUI_BIN/tamrill_win32_tests.exe" --gtest_filter='Accessibility.*' >"$log" 2>&1 ||
  fail "the accessibility test failed: $(cat "$log")"
grep -q '^\[  PASSED  \] 1 test' "$log" || fail "the accessibility test did not run: $(cat "$log")"
gui_pass
