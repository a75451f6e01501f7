#!/usr/bin/env bash
# The names a screen reader hears, read through the system's accessibility interface in a test
# program that shows the main window on this scenario's display.
. "$(dirname "$0")/../lib.sh"
gui_init
output=$(wine "$GUI_BIN/tamrill_win32_tests.exe" --gtest_filter='Accessibility.*' 2>&1) ||
  fail "the accessibility test failed: $output"
grep -q '^\[  PASSED  \] 1 test' <<<"$output" || fail "the accessibility test did not run: $output"
gui_pass
