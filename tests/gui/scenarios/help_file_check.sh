#!/usr/bin/env bash
# The help window's file check in the real program: all present gives one "Informace" box; each
# missing file gives its "Varování" box followed by an attempt to open the maker's site. The
# shell's web browser is switched off here, so each attempt fails and says so in a "Chyba" box
# (and no browser starts on the test machine).
. "$(dirname "$0")/../lib.sh"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winebrowser.exe=d"
gui_init

warning() { printf 'Nenalezen soubor %s, potíže odstraníte opětovnou instalací aplikace' "$1"; }
web_failure='Webovou adresu http://tamrill.example/ se nepodařilo otevřít. Zkontrolujte, zda je v systému nastaven webový prohlížeč.'

open_help() {  # whether start-up shows its "Chyba 01" box first
  gui_start
  probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
  if [ "$1" = with-startup-box ]; then
    probe -t 20000 wait-window "Chyba 01" || fail "no start-up box"
    probe answer "Chyba 01" 1
    probe wait-gone "Chyba 01" || fail "the start-up box did not close"
  else
    probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Load did not finish"
  fi
  probe click Tamrill Command7
  probe wait-window Nápověda || fail "the help window did not open"
}

# Waits for the next box, checks its title and text, and presses OK.
expect_box() {  # title text
  probe -t 10000 wait-window "$1" || fail "no '$1' box (expected: $2)"
  local box
  box=$(probe boxes | grep "^title=$1 ")
  expect_eq "${box#*text=}" "$2" "the '$1' box's text"
  probe answer "$1" 1
  probe wait-gone "$1" || fail "the '$1' box did not close"
}

# A bounded look, for two seconds, for a box that must not come.
no_more_boxes() {
  local deadline=$((SECONDS + 2)) boxes
  while [ $SECONDS -lt $deadline ]; do
    boxes=$(probe boxes)
    [ -z "$boxes" ] || fail "an unexpected box: $boxes"
    sleep 0.2
  done
}

open_help normal
probe click Nápověda Label19
expect_box Informace "Nalezeny všechny soubory. Vše je OK"
no_more_boxes
gui_log "all present: one box"

gui_stop
gui_tools asm51.exe mod51
open_help with-startup-box
probe click Nápověda Label19
expect_box Varování "$(warning MOD52)"
expect_box Chyba "$web_failure"
no_more_boxes
gui_log "without mod52: one warning, one opening"

gui_stop
gui_tools
open_help with-startup-box
probe click Nápověda Label19
for file in ASM51.EXE MOD51 MOD52; do
  expect_box Varování "$(warning $file)"
  expect_box Chyba "$web_failure"
done
no_more_boxes
gui_log "all missing: three warnings in order, each followed by an opening"

# A folder by the name of a tool is not the tool.
gui_stop
gui_tools asm51.exe mod52
mkdir "$GUI_APP/mod51"
open_help with-startup-box
probe click Nápověda Label19
expect_box Varování "$(warning MOD51)"
expect_box Chyba "$web_failure"
no_more_boxes
gui_pass
