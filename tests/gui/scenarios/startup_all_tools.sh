#!/usr/bin/env bash
# With asm51.exe, mod51 and mod52 beside it, Tamrill comes up with only "Otevřít ASM" and the
# always-usable buttons enabled, the report label at its first text, and no message box. The
# tips, made only once the mouse comes over the window, show when it rests on a button; the file
# dialog, whose library is loaded only when "Otevřít ASM" is first pressed, opens the choice.
. "$(dirname "$0")/../lib.sh"
gui_init
gui_start_loaded

gui_expect_enabled Tamrill 1 Command6 Command7 Command8
gui_expect_enabled Tamrill 0 Command2 Command3 Command4 Command5
expect_eq "$(probe text Tamrill Label1)" "nenačteno..." "Label1"
expect_eq "$(probe text Tamrill Command1)" "Otevřít ASM" "Command1's caption"
expect_eq "$(probe text Tamrill Command3)" "Přeložit" "Command3's caption"
expect_eq "$(probe text Tamrill Text1)" "" "Text1"
expect_eq "$(probe boxes)" "" "message boxes"

IFS=, read -r wx wy _ <<<"$(probe geometry Tamrill | sed 's/.*window=\([^ ]*\).*/\1/')"
IFS=, read -r cx cy _ <<<"$(probe geometry Tamrill | sed 's/.*client=\([^ ]*\).*/\1/')"
IFS=, read -r bx by bw bh <<<"$(probe state Tamrill Command7 | sed 's/.*rect=//')"
x=$((wx + cx + bx + bw / 2)) y=$((wy + cy + by + bh / 2))
xdotool mousemove "$x" "$y" mousemove $((x + 2)) $((y + 1)) || fail "cannot move the mouse"
probe -t 20000 wait-window "Nápověda k programu" || fail "no tip over Command7"

mkdir -p "$GUI_WORK/zdroj"
cp "$GUI_SOURCE/examples/blink.asm" "$GUI_WORK/zdroj/"
probe click Tamrill Command1 || fail "cannot press Otevřít ASM"
probe -t 30000 wait-window Open || fail "no file dialog"
probe open-file "$(gui_winpath "$GUI_WORK/zdroj/blink.asm")" Open || fail "cannot choose blink.asm"
probe -t 30000 wait-window "Tamrill - blink.asm" || fail "the chosen source was not opened"
gui_pass
