#!/usr/bin/env bash
# The command line names a HEX file. With its source beside it, the source is opened and then
# the HEX file is shown in Notepad; without it, a notice names the missing source first, and the
# HEX file is shown all the same while no source is open.
. "$(dirname "$0")/../lib.sh"
gui_init

project=$(gui_project "projekt hex")
gui_tiny_source "$project/blink.asm"
printf ':00000001FF\r\n' >"$project/blink.hex"
hex="\"$(gui_winpath "$project/blink.hex")\""

gui_start "$hex"
probe -t 60000 wait-window 'Tamrill - blink.asm' || fail "the source was not opened"
expect_eq "$(probe text 'Tamrill - blink.asm' Text1)" "$(gui_winpath "$project/blink.asm")" "Text1"
probe -t 20000 wait-window 'blink.hex - Notepad' || fail "Notepad did not show the HEX file"
expect_eq "$(probe boxes)" "" "message boxes with the source there"
gui_expect_enabled 'Tamrill - blink.asm' 1 Command5

gui_stop
rm "$project/blink.asm"
gui_start "$hex"
gui_expect_box Informace 1:OK "Nebyl nalezen soubor \"blink.asm\"" 60000
expect_eq "$(probe count 'blink.hex - Notepad')" "0" "Notepad while the notice is up"
gui_answer Informace 1
probe -t 20000 wait-window 'blink.hex - Notepad' || fail "Notepad did not show the HEX file"
expect_eq "$(probe count Tamrill)" "1" "the main window, with no source in its caption"
gui_expect_enabled Tamrill 0 Command3
gui_pass
