#!/usr/bin/env bash
# With asm51.exe, mod51 and mod52 beside it, Tamrill comes up with only "Otevřít ASM" and the
# always-usable buttons enabled, the report label at its first text, and no message box.
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
gui_pass
