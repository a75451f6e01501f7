#!/usr/bin/env bash
# Real keys and mouse (xdotool) as a user gives them: the focus starts on the first control that
# can take it and comes back after a message box and the file-open dialog; Esc ends nothing in
# any window; Tab and Shift+Tab pass the path box; Enter presses the focused button; the help
# window scrolls by keys and by the wheel; a label clicks when the button is let go.
. "$(dirname "$0")/../lib.sh"
gui_init

project="$GUI_WORK/projekt"
mkdir -p "$project"
cp "$GUI_SOURCE/examples/chyba.asm" "$project/"
source_path=$(gui_winpath "$project/chyba.asm")
main='Tamrill - chyba.asm'
help='Nápověda'
about='O Programu'

gui_start "\"$source_path\""
probe -t 60000 wait-window "$main" || fail "the main window did not open the source"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"

export DISPLAY
# The screen position of a control's centre.
centre_of() {  # window control
  local geometry wx wy cx cy rx ry rw rh
  geometry=$(probe geometry "$1")
  IFS=, read -r wx wy _ _ <<<"$(sed 's/.*window=\([^ ]*\).*/\1/' <<<"$geometry")"
  IFS=, read -r cx cy _ _ <<<"$(sed 's/.*client=\([^ ]*\).*/\1/' <<<"$geometry")"
  IFS=, read -r rx ry rw rh <<<"$(probe state "$1" "$2" | sed 's/.*rect=//')"
  echo "$((wx + cx + rx + rw / 2)) $((wy + cy + ry + rh / 2))"
}
point_at() { xdotool mousemove $(centre_of "$1" "$2"); }
# Two clicks in a row never land on the same pixel, or quick ones would make a double-click.
clicks=0
click_on() {
  local x y
  read -r x y <<<"$(centre_of "$1" "$2")"
  clicks=$((clicks + 1))
  xdotool mousemove $((x + clicks % 2 * 6 - 3)) "$y" click 1
}
focus_on() {  # window control what
  probe wait-focus "$1" "$2" >/dev/null || fail "$3: the focus is on '$(probe focus "$1")'"
}
rect() { probe state "$help" "$1" | sed 's/.*rect=//'; }
frame_at() {  # the frame's top edge in pixels, waited for
  local deadline=$((SECONDS + 10))
  until [ "$(rect Frame1 | cut -d, -f2)" = "$1" ]; do
    [ $SECONDS -lt $deadline ] || fail "$2: the frame is at $(rect Frame1), not at top $1"
    sleep 0.1
  done
}

# Shown while its file buttons were still disabled: the path box was the first that could.
focus_on "$main" Text1 "at start"

# A message box raised by a button gives the focus back to that button.
click_on "$main" Command3
probe -t 60000 wait-window Varování || fail "no prompt after assembling"
probe answer Varování 7 || fail "cannot answer No"
probe wait-gone Varování || fail "the prompt did not close"
focus_on "$main" Command3 "after the prompt of Přeložit"

# Esc in the path box ends nothing; Tab leaves it forwards, Shift+Tab backwards.
click_on "$main" Text1
focus_on "$main" Text1 "after a click into the path box"
xdotool key Escape
xdotool key Tab
focus_on "$main" Command6 "Tab from the path box, after Esc"
xdotool key shift+Tab
focus_on "$main" Text1 "Shift+Tab from Konec"
xdotool key shift+Tab
focus_on "$main" Command4 "Shift+Tab from the path box"

# What the user typed is replaced by the path when the source is opened again; the focus comes
# back to "Otevřít ASM" after the dialog and the report's prompt.
click_on "$main" Text1
focus_on "$main" Text1 "after a click into the path box"
xdotool key End
xdotool type ' navic'
probe wait-text "$main" Text1 "$source_path navic" >/dev/null || fail "typing into the path box"
click_on "$main" Command1
probe -t 20000 wait-window Open || fail "no file-open dialog"
probe open-file "$source_path" || fail "cannot choose the source"
probe -t 20000 wait-window Varování || fail "no prompt after opening"
probe answer Varování 7 || fail "cannot answer No"
probe wait-text "$main" Text1 "$source_path" >/dev/null || fail "the path box after opening again"
focus_on "$main" Command1 "after the file-open dialog"

# Enter on a focused "Nápověda" opens the help window, whose scroll bar then has the focus.
click_on "$main" Text1
for expected in Command6 Command8 Command7; do
  xdotool key Tab
  focus_on "$main" "$expected" "Tab towards Nápověda"
done
xdotool key Return
probe wait-window "$help" || fail "Enter on Nápověda did not open the help window"
focus_on "$help" VScroll1 "when the help window opened"

# The arrow keys step by 100 twips, End and Home go to the ends; Esc ends nothing.
xdotool key Down
frame_at -7 "Down"
xdotool key End
frame_at -445 "End"
xdotool key Escape Home
frame_at 0 "Home after Esc"

# The wheel over any part of the window moves the page by the arrow step per notch.
point_at "$help" Label5
xdotool click --repeat 2 --delay 50 5
frame_at -13 "two notches down over a label"
point_at "$help" VScroll1
xdotool click 4
frame_at -7 "a notch up over the scroll bar"

# A label clicks when the button is let go: the check's box comes at the release, not before.
point_at "$help" Label19
xdotool mousedown 1
xdotool key Home  # handled after the press, so the press has been seen
frame_at 0 "Home while the label is held"
expect_eq "$(probe boxes)" "" "message boxes while the label is held"
xdotool mouseup 1
probe wait-window Informace || fail "no file check after letting go of the label"
probe answer Informace 1
probe wait-gone Informace || fail "the check's box did not close"
focus_on "$help" VScroll1 "after the check's box"

# The about window has nothing to take the focus: it keeps it, and Esc closes it not. The
# windows lie on top of each other: the help window shows to the right of the about window.
probe click "$main" Command8
probe wait-window "$about" || fail "the about window did not open"
focus_on "$about" - "when the about window opened"
xdotool key Escape Tab Escape
geometry=$(probe geometry "$help")
IFS=, read -r wx wy _ _ <<<"$(sed 's/.*window=\([^ ]*\).*/\1/' <<<"$geometry")"
IFS=, read -r cx cy _ _ <<<"$(sed 's/.*client=\([^ ]*\).*/\1/' <<<"$geometry")"
xdotool mousemove $((wx + cx + 340)) $((wy + cy + 300)) click 1
focus_on "$help" VScroll1 "back in the help window"
xdotool key Escape Down
frame_at -7 "Down after Esc in the about and help windows"
# While the file-open dialog is up, the help and about windows take no input either.
enabled() { probe geometry "$1" | sed 's/.*enabled=//'; }
probe click "$main" Command1
probe -t 20000 wait-window Open || fail "no file-open dialog"
expect_eq "$(enabled "$help") $(enabled "$about")" "0 0" "help and about during the dialog"
probe answer Open 2
probe wait-gone Open || fail "the file-open dialog did not close"
expect_eq "$(enabled "$help") $(enabled "$about") $(enabled "$main")" "1 1 1" "windows after it"
expect_eq "$(probe count "$about")" "1" "about windows after Esc"
expect_eq "$(probe count "$help")" "1" "help windows after Esc"
expect_eq "$(probe count "$main")" "1" "main windows after Esc"
gui_pass
