#!/usr/bin/env bash
# "O programu" opens the about window once however often it is pressed; its texts read back
# exactly; the picture fills it; the acknowledgement turns opaque on a click, transparent over
# the picture, hides on a double-click and is back when the window is built again; the icon and
# the double-click open their addresses (the browser is switched off here, so each opening is
# reported in a "Chyba" box naming the address it tried).
. "$(dirname "$0")/../lib.sh"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winebrowser.exe=d"
gui_init
gui_start_loaded

title="O Programu"
gui_expect_opens_once Command8 "$title"

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

gui_geometry "$title"
expect_eq "${GUI_CW}x${GUI_CH}" "312x224" "client area (4680 x 3360 twips)"
state() { probe state "$title" "$1"; }
expect_eq "$(state Label5)" "enabled=1 visible=1 rect=8,112,297,57" "Label5"

# The picture and the icon have no window of their own: they are reached by their place.
over_picture() { gui_mouse_to 250 190; }
# Percentage of pure black pixels behind the acknowledgement.
black_share() {
  local png
  png=$(gui_screenshot "$title" acknowledgement)
  convert "$png" -crop "$(gui_crop "$title" Label5)" +repage -fill white +opaque black \
    -format '%[fx:int(100*(1-mean))]' info:
}
opaque() { [ "$(black_share)" -ge 60 ]; }
transparent() { [ "$(black_share)" -le "$((baseline + 10))" ]; }
web_failure() {
  printf 'Webovou adresu %s se nepodařilo otevřít. Zkontrolujte, zda je v systému nastaven webový prohlížeč.' "$1"
}

over_picture
png=$(gui_screenshot "$title" about)
gui_log "screenshot: $png"
read -r colours brightness <<<"$(convert "$png" -crop "${GUI_CW}x${GUI_CH}+${GUI_CX}+${GUI_CY}" +repage \
  -format '%k %[fx:int(100*mean)]' info:)"
[ "$colours" -ge 200 ] || fail "the background shows only $colours colours"
[ "$brightness" -le 45 ] || fail "the background is not dark (mean brightness $brightness%)"
baseline=$(black_share)
gui_log "background: $colours colours, $brightness% bright; behind Label5 $baseline% black"
[ "$baseline" -le 40 ] || fail "the acknowledgement has a backing at creation ($baseline% black)"

probe click "$title" Label5
gui_within 10 opaque || fail "a click did not give Label5 its black backing"
gui_mouse_over "$title" Label5
gui_mouse_over "$title" Label4
opaque && opaque || fail "moving over the labels took the backing away"
over_picture
gui_within 10 transparent || fail "moving over the picture did not take the backing away"

gui_mouse_to 24 24 && xdotool click 1  # the icon
over_picture
gui_box_ok Chyba "$(web_failure http://www.hvezdna-vyprava.example/)"

probe dblclick "$title" Label5
gui_box_ok Chyba "$(web_failure http://tamrill.example/)"
expect_eq "$(state Label5 | cut -d' ' -f2)" "visible=0" "Label5 after a double-click"
gui_expect_no_window Chyba "the double-click opened twice"

probe close "$title"
probe wait-gone "$title" || fail "the about window did not close"
probe click Tamrill Command8
probe wait-window "$title" || fail "the about window did not open again"
expect_eq "$(state Label5 | cut -d' ' -f2)" "visible=1" "Label5 when shown again"
gui_within 10 transparent || fail "Label5 is not transparent when shown again"
gui_pass
