#!/usr/bin/env bash
# A missing tool gives exactly one "Chyba 01" box, for the first missing file in the order
# asm51.exe, mod51, mod52; after OK, "Otevřít ASM" stays disabled.
. "$(dirname "$0")/../lib.sh"
gui_init

message() {
  printf 'Nelze načíslt soubor "%s", problém odstraníte opětovnou instalací aplikace' "$1"
}

check_case() {  # expected-file tools...
  local expected=$1
  shift
  gui_stop
  gui_tools "$@"
  gui_start
  gui_expect_box "Chyba 01" 1:OK "$(message "$expected")" 60000
  # Load shows the window before it checks the tools.
  probe wait-window Tamrill || fail "the main window is not up behind the box"
  gui_answer "Chyba 01" 1
  gui_expect_no_window "Chyba 01" "a second Chyba 01 box appeared without $expected"
  gui_expect_enabled Tamrill 0 Command1
  gui_expect_enabled Tamrill 1 Command6 Command7 Command8
  gui_log "without $expected: one box, Command1 disabled"
}

check_case mod51 asm51.exe mod52
check_case mod51 asm51.exe
check_case mod52 asm51.exe mod51
check_case asm51.exe mod51 mod52
gui_pass
