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
  probe -t 60000 wait-window "Chyba 01" || fail "no Chyba 01 box without $expected"
  expect_eq "$(probe count "Chyba 01")" "1" "boxes without $expected"
  local box
  box=$(probe boxes | grep '^title=Chyba 01 ')
  expect_eq "${box#*text=}" "$(message "$expected")" "the box's text"
  expect_eq "$(sed 's/.*buttons=\([^ ]*\) .*/\1/' <<<"$box")" "1:OK" "the box's buttons"
  # Load shows the window before it checks the tools.
  probe wait-window Tamrill || fail "the main window is not up behind the box"
  probe answer "Chyba 01" 1 || fail "cannot press OK"
  probe wait-gone "Chyba 01" || fail "the box did not close"
  # No second box may follow: a bounded look for one that must not come.
  if probe -t 2000 wait-window "Chyba 01" 2>/dev/null; then
    fail "a second Chyba 01 box appeared without $expected"
  fi
  expect_eq "$(probe state Tamrill Command1 | cut -d' ' -f1)" "enabled=0" "Command1 without $expected"
  for button in Command6 Command7 Command8; do
    expect_eq "$(probe state Tamrill $button | cut -d' ' -f1)" "enabled=1" "$button"
  done
  gui_log "without $expected: one box, Command1 disabled"
}

check_case mod51 asm51.exe mod52
check_case mod51 asm51.exe
check_case mod52 asm51.exe mod51
check_case asm51.exe mod51 mod52
gui_pass
