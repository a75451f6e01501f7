#!/usr/bin/env bash
# The help window as painted: its lines, the two-pixel Line10, the appeal pulsing through the
# reds with Label23 in step, and Label18 taking its hover colour only from the mouse.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_start_loaded
gui_open_help
gui_geometry Nápověda

# The lines have no window of their own: they are placed from the frame's reported corner.
frame_x() { gui_rect Nápověda Frame1 | cut -d, -f1; }
frame_y() { gui_rect Nápověda Frame1 | cut -d, -f2; }
red_of() { gui_red_of "$1" Nápověda "$2"; }

top=$(gui_screenshot Nápověda help-top)
gui_log "screenshot: $top"
# Line1, in the window-text colour, from frame x 16 to 320 at frame y 96.
fx=$(frame_x)
fy=$(frame_y)
for x in 17 150 318; do
  expect_eq "$(gui_pixel "$top" $((fx + x)) $((fy + 96)))" "000000" "Line1 at x=$x"
done
expect_eq "$(red_of "$top" Label19)" "C00000" "Label19's colour"

probe scroll Nápověda VScroll1 bottom
frame_scrolled() { [ "$(frame_y)" = -445 ]; }
gui_within 10 frame_scrolled || fail "the page did not scroll to its end"
bottom=$(gui_screenshot Nápověda help-bottom)
gui_log "screenshot: $bottom"
# Line10 at frame y 568: black and exactly two pixels thick.
fy=$(frame_y)
rows=0
for y in $(seq $((fy + 563)) $((fy + 573))); do
  [ "$(gui_pixel "$bottom" $((fx + 150)) "$y")" = 000000 ] && rows=$((rows + 1))
done
expect_eq "$rows" "2" "rows of Line10"
expect_eq "$(red_of "$bottom" Label18)" "FF0000" "Label18 before any hover"

# The pulse: sample both appeal lines until the brightest and the darkest red have been seen.
seen=" "
deadline=$((SECONDS + 20))
while [[ "$seen" != *" FF0000 "* || "$seen" != *" 400000 "* ]]; do
  [ $SECONDS -lt $deadline ] || fail "the pulse showed only:$seen"
  # A tick repaints the two labels one after the other, so one screenshot may fall between
  # them; two in a row that disagree mean Label23 does not follow.
  for try in 1 2 3; do
    shot=$(gui_screenshot Nápověda pulse)
    c22=$(red_of "$shot" Label22)
    c23=$(red_of "$shot" Label23)
    [ "$c22" != "$c23" ] || break
    [ "$try" -lt 3 ] || fail "Label23 ($c23) does not follow Label22 ($c22)"
  done
  case "$c22" in
    400000 | 800000 | C00000 | FF0000) ;;
    *) fail "Label22 shows $c22, not a colour of the pulse" ;;
  esac
  [[ "$seen" == *" $c22 "* ]] || seen="$seen$c22 "
  sleep 0.3
done
gui_log "pulse colours seen:$seen"

# Hover: the real mouse over Label18, then over the other labels, then the bare frame.
label18_is() { test "$(red_of "$(gui_screenshot Nápověda hover)" Label18)" = "$1"; }
gui_mouse_over Nápověda Label18
gui_within 10 label18_is C00000 || fail "Label18 did not turn C00000 under the mouse"
gui_mouse_over Nápověda Label23
gui_mouse_over Nápověda Label22
label18_is C00000 && label18_is C00000 || fail "leaving onto another label reset Label18's colour"
gui_mouse_to $((fx + 4)) 150  # the frame itself, left of the labels
gui_within 10 label18_is FF0000 || fail "the bare frame did not reset Label18's colour"
gui_mouse_over Nápověda Label18
gui_within 10 label18_is C00000 || fail "Label18 did not turn C00000 again"
gui_mouse_to $((fx - 6)) 150  # the window's own surface, left of the frame
gui_within 10 label18_is FF0000 || fail "the bare window did not reset Label18's colour"
gui_pass
