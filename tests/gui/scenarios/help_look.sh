#!/usr/bin/env bash
# The help window as painted: its lines, the two-pixel Line10, the appeal pulsing through the
# reds with Label23 in step, and Label18 taking its hover colour only from the mouse.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_start
probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Load did not finish"
probe click Tamrill Command7
probe wait-window Nápověda || fail "the help window did not open"

geometry=$(probe geometry Nápověda)
IFS=, read -r win_x win_y _ _ <<<"$(sed 's/.*window=\([^ ]*\).*/\1/' <<<"$geometry")"
IFS=, read -r cx cy _ _ <<<"$(sed 's/.*client=\([^ ]*\).*/\1/' <<<"$geometry")"
rect() { probe state Nápověda "$1" | sed 's/.*rect=//'; }
# A pixel of the client area, from a screenshot of the whole window.
pixel() { gui_pixel "$1" $((cx + $2)) $((cy + $3)); }
# The most frequent pure red of a client area's rectangle, as RRGGBB.
red_of() {  # png x y w h
  convert "$1" -crop "$4x$5+$((cx + $2))+$((cy + $3))" +repage -depth 8 -format %c histogram:info:- |
    sed -n 's/^ *\([0-9]*\):.*#\([0-9A-F][0-9A-F]0000\).*/\1 \2/p' | grep -v ' 000000$' |
    sort -rn | head -1 | cut -d' ' -f2
}
# Polls until the command succeeds, for at most $1 seconds.
within() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

top=$(gui_screenshot Nápověda help-top)
gui_log "screenshot: $top"
# Line1, in the window-text colour, from frame x 16 to 320 at frame y 96.
for x in 17 150 318; do
  expect_eq "$(pixel "$top" $((8 + x)) 96)" "000000" "Line1 at x=$x"
done
expect_eq "$(red_of "$top" 24 200 305 33)" "C00000" "Label19's colour"

probe scroll Nápověda VScroll1 bottom
within 10 test "$(rect Frame1 | cut -d, -f2)" = -445 || fail "the page did not scroll to its end"
bottom=$(gui_screenshot Nápověda help-bottom)
gui_log "screenshot: $bottom"
# Line10 at frame y 568, now client y 123: black and exactly two pixels thick.
rows=0
for y in $(seq 118 128); do
  [ "$(pixel "$bottom" 158 "$y")" = 000000 ] && rows=$((rows + 1))
done
expect_eq "$rows" "2" "rows of Line10"
expect_eq "$(red_of "$bottom" 8 347 337 17)" "FF0000" "Label18 before any hover"

# The pulse: sample both appeal lines until the brightest and the darkest red have been seen.
seen=" "
deadline=$((SECONDS + 20))
while [[ "$seen" != *" FF0000 "* || "$seen" != *" 400000 "* ]]; do
  [ $SECONDS -lt $deadline ] || fail "the pulse showed only:$seen"
  # A tick repaints the two labels one after the other, so one screenshot may fall between
  # them; two in a row that disagree mean Label23 does not follow.
  for try in 1 2 3; do
    shot=$(gui_screenshot Nápověda pulse)
    c22=$(red_of "$shot" 8 307 334 13)
    c23=$(red_of "$shot" 8 323 337 17)
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
export DISPLAY
move_to() { xdotool mousemove $((win_x + cx + $1)) $((win_y + cy + $2)); }
label18_is() { test "$(red_of "$(gui_screenshot Nápověda hover)" 8 347 337 17)" = "$1"; }
move_to 176 355
within 10 label18_is C00000 || fail "Label18 did not turn C00000 under the mouse"
move_to 176 330  # onto Label23
move_to 176 313  # onto Label22
label18_is C00000 && label18_is C00000 || fail "leaving onto another label reset Label18's colour"
move_to 12 150  # the frame itself, left of the labels
within 10 label18_is FF0000 || fail "the bare frame did not reset Label18's colour"
move_to 176 355
within 10 label18_is C00000 || fail "Label18 did not turn C00000 again"
move_to 2 150  # the window's own surface, left of the frame
within 10 label18_is FF0000 || fail "the bare window did not reset Label18's colour"
gui_pass
