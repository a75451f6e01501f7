#!/usr/bin/env bash
# At 96 DPI the main window's grid is in pixels what the layout says in twips: buttons of
# 89 x 25 in three columns 96 pixels apart, Label1 in the sixth cell, and Line1 drawn between
# the second and the third row.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_start_loaded

gui_geometry Tamrill
expect_eq "${GUI_CW}x${GUI_CH}" "297x161" "client area (4455 x 2415 twips)"

declare -A cell=(
  [Command1]=8,56 [Command2]=104,56 [Command3]=200,56
  [Command4]=8,88 [Command5]=104,88
  [Command7]=8,128 [Command8]=104,128 [Command6]=200,128
)
for button in "${!cell[@]}"; do
  expect_eq "$(gui_rect Tamrill "$button")" "${cell[$button]},89,25" "$button"
done
expect_eq "$(gui_rect Tamrill Text1)" "8,8,281,41" "Text1"

# Label1 sizes itself to its caption, from its left edge, inside the third cell of row two.
IFS=, read -r lx ly lw lh <<<"$(gui_rect Tamrill Label1)"
expect_eq "$lx,$ly" "210,93" "Label1's corner"
[ "$lw" -gt 20 ] && [ $((lx + lw)) -le 289 ] && [ "$lh" -ge 10 ] && [ $((ly + lh)) -le 113 ] ||
  fail "Label1 ($lx,$ly,$lw,$lh) is not inside the sixth cell"

png=$(gui_screenshot Tamrill main-window)
gui_log "screenshot: $png"
# Line1 has no window of its own: it is placed by the buttons it runs between, from the left
# edge of the first column (8,120) to the right edge of the third (288,120), in the
# window-text colour, halfway between the bottom of row two and the top of row three.
IFS=, read -r left row2 _ height <<<"$(gui_rect Tamrill Command4)"
IFS=, read -r right_x row3 width _ <<<"$(gui_rect Tamrill Command6)"
right=$((right_x + width - 1))
line_y=$(((row2 + height + row3) / 2))
expect_eq "$left..$right at $line_y" "8..288 at 120" "where Line1 must be"
dark() { [ "$(gui_pixel "$png" "$1" "$2")" = 000000 ]; }
for x in $left 60 150 $((right - 1)); do
  dark "$x" "$line_y" || fail "Line1 is not drawn at x=$x"
done
for y in $((line_y - 6)) $((line_y - 1)) $((line_y + 1)) $((line_y + 7)); do
  dark 150 "$y" && fail "something dark at y=$y between the rows, off the line"
done
dark $((left - 4)) "$line_y" && fail "Line1 starts before x=$left"
dark $((right + 4)) "$line_y" && fail "Line1 runs past x=$right"
gui_pass
