#!/usr/bin/env bash
# At 96 DPI the main window's grid is in pixels what the layout says in twips: buttons of
# 89 x 25 in three columns 96 pixels apart, Label1 in the sixth cell, and Line1 drawn between
# the second and the third row.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_start
probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Load did not finish"

rect() { probe state Tamrill "$1" | sed 's/.*rect=//'; }
geometry=$(probe geometry Tamrill)
client=$(sed 's/.*client=\([^ ]*\).*/\1/' <<<"$geometry")
IFS=, read -r client_x client_y client_w client_h <<<"$client"
expect_eq "${client_w}x${client_h}" "297x161" "client area (4455 x 2415 twips)"

declare -A cell=(
  [Command1]=8,56 [Command2]=104,56 [Command3]=200,56
  [Command4]=8,88 [Command5]=104,88
  [Command7]=8,128 [Command8]=104,128 [Command6]=200,128
)
for button in "${!cell[@]}"; do
  expect_eq "$(rect "$button")" "${cell[$button]},89,25" "$button"
done
expect_eq "$(rect Text1)" "8,8,281,41" "Text1"

# Label1 sizes itself to its caption, from its left edge, inside the third cell of row two.
IFS=, read -r lx ly lw lh <<<"$(rect Label1)"
expect_eq "$lx,$ly" "210,93" "Label1's corner"
[ "$lw" -gt 20 ] && [ $((lx + lw)) -le 289 ] && [ "$lh" -ge 10 ] && [ $((ly + lh)) -le 113 ] ||
  fail "Label1 ($lx,$ly,$lw,$lh) is not inside the sixth cell"

png=$(gui_screenshot Tamrill main-window)
gui_log "screenshot: $png"
# Line1 runs from (8,120) to (288,120) in the client area, in the window-text colour.
dark() { local c; c=$(gui_pixel "$png" $((client_x + $1)) $((client_y + $2))); [ "$c" = 000000 ]; }
for x in 8 60 150 287; do
  dark "$x" 120 || fail "Line1 is not drawn at x=$x"
done
for y in 114 119 121 127; do
  dark 150 "$y" && fail "something dark at y=$y between the rows, off the line"
done
dark 4 120 && fail "Line1 starts before x=8"
dark 292 120 && fail "Line1 runs past x=288"
gui_pass
