#!/usr/bin/env bash
# "O programu" opens the about window once however often it is pressed; its texts read back
# exactly; the picture fills it; the acknowledgement turns opaque on a click, transparent over
# the picture, hides on a double-click and is back when the window is built again; the icon and
# the double-click open their addresses (the browser is switched off here, so each opening is
# reported in a "Chyba" box naming the address it tried).
. "$(dirname "$0")/../lib.sh"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winebrowser.exe=d"
gui_init
gui_start
probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Load did not finish"

title="O Programu"
for _ in 1 2 3; do probe click Tamrill Command8 || fail "cannot press O programu"; done
probe wait-window "$title" || fail "the about window did not open"
if probe -t 2000 wait-count "$title" 2 2>/dev/null; then fail "a second about window opened"; fi
expect_eq "$(probe count "$title")" "1" "about windows"

declare -A texts=(
  [Label1]="Tamrill   v${GUI_VERSION%.*}."
  [Label2]='Dílna Tamrill © 2024'
  [Label3]='Vytvořil : Tým Tamrill;tym@tamrill.example'
  [Label4]='tamrill.example'
  [Label5]='Poděkování: děkujeme členům kroužku elektroniky při naší škole za zapůjčení programátoru pro mikrokontrolér AT89S51, za přehled instrukcí tohoto procesoru i za obslužný software pro PC.'
  [Label8]="v${GUI_VERSION%.*}."
)
for label in "${!texts[@]}"; do
  expect_eq "$(probe text "$title" "$label")" "${texts[$label]}" "$label"
done

geometry=$(probe geometry "$title")
IFS=, read -r win_x win_y _ _ <<<"$(sed 's/.*window=\([^ ]*\).*/\1/' <<<"$geometry")"
IFS=, read -r cx cy cw ch <<<"$(sed 's/.*client=\([^ ]*\).*/\1/' <<<"$geometry")"
expect_eq "${cw}x${ch}" "312x224" "client area (4680 x 3360 twips)"
state() { probe state "$title" "$1"; }
expect_eq "$(state Label5)" "enabled=1 visible=1 rect=8,112,297,57" "Label5"

export DISPLAY
move_to() { xdotool mousemove $((win_x + cx + $1)) $((win_y + cy + $2)); }
click_at() { move_to "$@" && xdotool click 1; }
within() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
# Percentage of pure black pixels behind the acknowledgement.
black_share() {
  local png
  png=$(gui_screenshot "$title" acknowledgement)
  convert "$png" -crop "297x57+$((cx + 8))+$((cy + 112))" +repage -fill white +opaque black \
    -format '%[fx:int(100*(1-mean))]' info:
}
opaque() { [ "$(black_share)" -ge 60 ]; }
transparent() { [ "$(black_share)" -le "$((baseline + 10))" ]; }
expect_box() {  # title text
  probe -t 10000 wait-window "$1" || fail "no '$1' box (expected: $2)"
  local box
  box=$(probe boxes | grep "^title=$1 ")
  expect_eq "${box#*text=}" "$2" "the '$1' box's text"
  probe answer "$1" 1
  probe wait-gone "$1" || fail "the '$1' box did not close"
}
web_failure() {
  printf 'Webovou adresu %s se nepodařilo otevřít. Zkontrolujte, zda je v systému nastaven webový prohlížeč.' "$1"
}

move_to 250 190  # park the mouse over the picture
png=$(gui_screenshot "$title" about)
gui_log "screenshot: $png"
read -r colours brightness <<<"$(convert "$png" -crop "${cw}x${ch}+${cx}+${cy}" +repage \
  -format '%k %[fx:int(100*mean)]' info:)"
[ "$colours" -ge 200 ] || fail "the background shows only $colours colours"
[ "$brightness" -le 45 ] || fail "the background is not dark (mean brightness $brightness%)"
baseline=$(black_share)
gui_log "background: $colours colours, $brightness% bright; behind Label5 $baseline% black"
[ "$baseline" -le 40 ] || fail "the acknowledgement has a backing at creation ($baseline% black)"

probe click "$title" Label5
within 10 opaque || fail "a click did not give Label5 its black backing"
move_to 150 140  # within the label
move_to 100 79   # over Label4
opaque && opaque || fail "moving over the labels took the backing away"
move_to 250 190  # over the picture
within 10 transparent || fail "moving over the picture did not take the backing away"

click_at 24 24  # the icon
move_to 250 190
expect_box Chyba "$(web_failure http://www.hvezdna-vyprava.example/)"

probe dblclick "$title" Label5
expect_box Chyba "$(web_failure http://tamrill.example/)"
expect_eq "$(state Label5 | cut -d' ' -f2)" "visible=0" "Label5 after a double-click"
if probe -t 2000 wait-window Chyba 2>/dev/null; then fail "the double-click opened twice"; fi

probe close "$title"
probe wait-gone "$title" || fail "the about window did not close"
probe click Tamrill Command8
probe wait-window "$title" || fail "the about window did not open again"
expect_eq "$(state Label5 | cut -d' ' -f2)" "visible=1" "Label5 when shown again"
within 10 transparent || fail "Label5 is not transparent when shown again"
gui_pass
