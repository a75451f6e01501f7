#!/usr/bin/env bash
# Every label of the three windows shows all of its text in the prefix's fonts: measured in a
# test program that shows the windows on this scenario's display. Screenshots of the help
# window as Tamrill itself shows it, at the top and scrolled to the end, are kept to look at.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_win32_tests 'Look.*' 2

gui_start_loaded
gui_open_help
gui_log "screenshot: $(gui_screenshot Nápověda help-window-top)"
probe scroll Nápověda VScroll1 bottom
at_end() { [ "$(gui_rect Nápověda Frame1 | cut -d, -f2)" = -445 ]; }
gui_within 10 at_end || fail "the help window did not scroll to its end"
gui_log "screenshot: $(gui_screenshot Nápověda help-window-end)"
gui_pass
