#!/usr/bin/env bash
# Each of the three windows, brought by the user's own means to one state after another, shows
# exactly what a full repaint of it shows: buttons enabled and disabled and Label1 rewritten in
# the main window; the help window scrolled by keys, the wheel and the thumb; the about window's
# acknowledgement made opaque, transparent and hidden. And a click on "Přeložit" hides its tip
# for good: it does not come back over the result while the pointer stays on the button.
. "$(dirname "$0")/../lib.sh"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winebrowser.exe=d"
gui_init

project=$(gui_project projekt)
gui_tiny_source "$project/cisty.asm"
gui_tiny_source "$project/chyby.asm"
printf 'ASSEMBLY COMPLETE, 2 ERRORS FOUND\r\n' >"$project/chyby.lst"

gui_start_loaded
gui_expect_drawn_as_repainted Tamrill main-at-start

gui_open_dialog "$project/cisty.asm"
main=$GUI_MAIN
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"
gui_expect_drawn_as_repainted "$main" main-opened

# The pointer rests on "Přeložit" until its tip lies over Label1, and stays on the button
# through the click and the assembling; it moves by a pixel once the result is shown, as a
# resting hand does. For the next one and a half seconds nothing covers the result.
gui_geometry "$main"
gui_mouse_over "$main" Command3
tip_over_label1() { [ -n "$(probe covering "$main" Label1)" ]; }
gui_within 10 tip_over_label1 || fail "the tip of Přeložit never came over Label1"
xdotool click 1
probe -t 30000 wait-text "$main" Label1 'bez chyb :)' >/dev/null || fail "no result after Přeložit"
xdotool mousemove_relative 1 0
shown=$SECONDS
while [ $((SECONDS - shown)) -lt 2 ]; do
  over=$(probe covering "$main" Label1)
  [ -z "$over" ] || fail "after the click, the result is covered by $over"
  sleep 0.1
done
gui_expect_enabled "$main" 1 Command4 Command5
gui_expect_drawn_as_repainted "$main" main-assembled

# Another source, with a listing of errors and no HEX file: Label1 gets shorter, and the HEX
# button is disabled.
gui_open_dialog "$project/chyby.asm"
gui_box Varování "6:&Yes,7:&No" "Nalezeno 2 chyb. Přejete si zobrazit výpis?" 7
probe wait-text "$GUI_MAIN" Label1 '2 chyb' >/dev/null || fail "Label1 after the second source"
gui_expect_enabled "$GUI_MAIN" 0 Command5
gui_expect_drawn_as_repainted "$GUI_MAIN" main-other-source

# The help window, scrolled by real keys (they go to the window under the pointer, so the
# pointer rests on its bare left margin), the wheel and the thumb. The appeal at the bottom
# pulses on a timer.
help=Nápověda
gui_open_help
gui_geometry "$help"
rect() { gui_rect "$help" "$1"; }
keys() { gui_mouse_to 4 150 && xdotool key "$@"; }
frame_top_is() { [ "$(rect Frame1 | cut -d, -f2)" = "$1" ]; }
frame_moved() { [ "$(rect Frame1 | cut -d, -f2)" != "$1" ]; }
frame_top() { rect Frame1 | cut -d, -f2; }
pulsing=(Label22 Label23)
about='O Programu'
# The focused scroll bar flashes its thumb with a caret, which a repaint leaves where it is (and
# the pictures leave out): it must lie where the bar puts it on taking the focus afresh, when
# the about window has had the focus for a while and a click brings it back.
caret_is() { [ "$(probe caret "$help")" = "$1" ]; }
caret_on_thumb() {  # what
  local caret
  caret=$(probe caret "$help")
  probe click "$GUI_MAIN" Command8
  probe wait-window "$about" || fail "the about window did not open"
  probe close "$about"
  probe wait-gone "$about" || fail "the about window did not close"
  gui_mouse_to 4 150 && xdotool click 1
  probe wait-focus "$help" VScroll1 >/dev/null || fail "$1: the focus did not come back"
  gui_within 10 caret_is "$caret" ||
    fail "$1: the caret blinks at $caret, the bar puts it at $(probe caret "$help")"
}
gui_expect_drawn_as_repainted "$help" help-at-top "${pulsing[@]}"

keys Next
gui_within 10 frame_top_is -362 || fail "Page Down on the scroll bar: the frame is at $(frame_top)"
keys Next
gui_within 10 frame_top_is -445 || fail "a second Page Down: the frame is at $(frame_top)"
gui_expect_drawn_as_repainted "$help" help-page-down "${pulsing[@]}"
caret_on_thumb "Page Down"

gui_mouse_over "$help" Label5
xdotool click --repeat 3 --delay 50 4
gui_within 10 frame_top_is -425 || fail "three notches up: the frame is at $(frame_top)"
gui_expect_drawn_as_repainted "$help" help-wheel "${pulsing[@]}"

# The thumb, found under the caret that flashes it, dragged up the bar in steps as a hand does.
IFS=, read -r cx cy cw ch <<<"$(probe caret "$help")"
gui_mouse_to $((cx + cw / 2)) $((cy + ch / 2))
xdotool mousedown 1
for step in 20 40 60 80 100 120; do gui_mouse_to $((cx + cw / 2)) $((cy + ch / 2 - step)); done
xdotool mouseup 1
gui_within 10 frame_moved -425 || fail "the thumb did not move the page"
gui_expect_drawn_as_repainted "$help" help-dragged "${pulsing[@]}"
gui_log "after Page Down twice, the wheel and a drag: $(gui_screenshot "$help" help-after-drag)"
caret_on_thumb "a drag"

keys Prior
gui_within 10 frame_top_is 0 || fail "Page Up: the frame is at $(frame_top)"
gui_expect_drawn_as_repainted "$help" help-page-up "${pulsing[@]}"
keys End
gui_within 10 frame_top_is -445 || fail "End: the frame is at $(frame_top)"
gui_expect_drawn_as_repainted "$help" help-at-bottom "${pulsing[@]}"
probe close "$help"
probe wait-gone "$help" || fail "the help window did not close"

# The about window: the acknowledgement opaque after a click, transparent again when the mouse
# moves over the picture, hidden by a double-click.
probe click "$GUI_MAIN" Command8
probe wait-window "$about" || fail "the about window did not open"
gui_geometry "$about"
# How much of the acknowledgement's rectangle is pure black: most of it once it is opaque.
black_share() {
  convert "$(gui_screenshot "$about" acknowledgement)" -crop "$(gui_crop "$about" Label5)" +repage \
    -fill white +opaque black -format '%[fx:int(100*(1-mean))]' info:
}
opaque() { [ "$(black_share)" -ge 60 ]; }
transparent() { [ "$(black_share)" -lt 60 ]; }
gui_expect_drawn_as_repainted "$about" about-opened
probe click "$about" Label5
gui_within 10 opaque || fail "a click did not make the acknowledgement opaque"
gui_expect_drawn_as_repainted "$about" about-opaque
gui_mouse_to 250 190
gui_within 10 transparent || fail "the mouse over the picture did not make it transparent"
gui_expect_drawn_as_repainted "$about" about-transparent
probe dblclick "$about" Label5
gui_box_ok Chyba "Webovou adresu http://tamrill.example/ se nepodařilo otevřít. Zkontrolujte, zda je v systému nastaven webový prohlížeč."
expect_eq "$(probe state "$about" Label5 | cut -d' ' -f2)" "visible=0" "Label5 after a double-click"
gui_expect_drawn_as_repainted "$about" about-hidden
gui_pass
