#!/usr/bin/env bash
# Opened from the desktop shell on a downloaded listing, with the listing's folder as the current
# folder and a notepad.exe lying beside it: the system's Notepad shows the listing, and the
# planted program never runs.
. "$(dirname "$0")/../lib.sh"
. "$GUI_SOURCE/tests/gui/standin/standin.sh"
standin_prepare "ASSEMBLY COMPLETE, NO ERRORS FOUND"
gui_init

download="$GUI_WORK/Stažené soubory"
mkdir -p "$download"
printf 'ORG 0\r\nEND\r\n' >"$download/blink.asm"
printf '0000  END\r\nASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$download/blink.lst"
cp "$GUI_BIN/standin_asm51.exe" "$download/notepad.exe"
cp "$GUI_BIN/standin_asm51.exe" "$GUI_APP/notepad.exe"

probe start "\"$(gui_winpath "$GUI_APP/tamrill.exe")\" \"$(gui_winpath "$download/blink.lst")\"" \
  "$(gui_winpath "$download")" >/dev/null || fail "cannot start Tamrill"
probe -t 60000 wait-window 'blink.lst - Notepad' || fail "Notepad did not show the listing"
expect_eq "$(probe text 'Tamrill - blink.asm' Label1)" "bez chyb :)" "Label1"
expect_eq "$(cat "$STANDIN_LOG")" "" "what the planted notepad.exe recorded"
gui_pass
