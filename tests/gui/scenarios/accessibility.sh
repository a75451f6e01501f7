#!/usr/bin/env bash
# The names a screen reader hears, read through the system's accessibility interface in a test
# program that shows the main window on this scenario's display.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_win32_tests 'Accessibility.*' 1
gui_pass
