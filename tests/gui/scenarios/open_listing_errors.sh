#!/usr/bin/env bash
# Opening a source through the real file-open dialog when its listing reports 3 errors: the
# report label reads "3 chyb", the prompt's text is exact, and Yes shows the listing in Notepad.
. "$(dirname "$0")/../lib.sh"
gui_init

project="$GUI_WORK/moje projekty"
mkdir -p "$project"
printf 'ORG 0\r\nMOV A,#1\r\nEND\r\n' >"$project/blik.asm"
printf '0000 7401  MOV A,#1\r\n\r\nASSEMBLY COMPLETE, 3 ERRORS FOUND\r\n' >"$project/blik.lst"
printf ':00000001FF\r\n' >"$project/blik.hex"

gui_start
probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Command1 was not enabled"

probe click Tamrill Command1 || fail "cannot press Otevřít ASM"
probe -t 20000 wait-window Open || fail "the file-open dialog did not come up"
probe open-file "$(gui_winpath "$project/blik.asm")" || fail "cannot choose the source"

# The prompt comes up while the source is being loaded, after the label was set.
probe -t 20000 wait-window Varování || fail "no prompt after opening"
expect_eq "$(probe text 'Tamrill - blik.asm' Label1)" "3 chyb" "Label1"
expect_eq "$(probe text 'Tamrill - blik.asm' Text1)" "$(gui_winpath "$project/blik.asm")" "Text1"
expect_eq "$(probe boxes)" \
  "title=Varování buttons=6:&Yes,7:&No text=Nalezeno 3 chyb. Přejete si zobrazit výpis?" \
  "the prompt"

probe answer Varování 6 || fail "cannot answer Yes"
probe -t 20000 wait-window 'blik.lst - Notepad' || fail "Notepad did not show the listing"
probe controls 'blik.lst - Notepad' | grep -q 'ASSEMBLY COMPLETE, 3 ERRORS FOUND' ||
  fail "Notepad does not show the listing's text"
expect_eq "$(probe boxes)" "" "message boxes after Yes"
expect_eq "$(probe state 'Tamrill - blik.asm' Command4 | cut -d' ' -f1)" "enabled=1" "Command4"
gui_pass
