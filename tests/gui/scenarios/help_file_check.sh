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
  if [ "$1" = with-startup-box ]; then
    gui_start
    probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
    probe -t 20000 wait-window "Chyba 01" || fail "no start-up box"
    gui_answer "Chyba 01" 1
  else
    gui_start_loaded
  fi
  gui_open_help
}

open_help normal
probe click Nápověda Label19
gui_box_ok Informace "Nalezeny všechny soubory. Vše je OK"
gui_expect_no_box
gui_log "all present: one box"

gui_stop
gui_tools asm51.exe mod51
open_help with-startup-box
probe click Nápověda Label19
gui_box_ok Varování "$(warning MOD52)"
gui_box_ok Chyba "$web_failure"
gui_expect_no_box
gui_log "without mod52: one warning, one opening"

gui_stop
gui_tools
open_help with-startup-box
probe click Nápověda Label19
for file in ASM51.EXE MOD51 MOD52; do
  gui_box_ok Varování "$(warning $file)"
  gui_box_ok Chyba "$web_failure"
done
gui_expect_no_box
gui_log "all missing: three warnings in order, each followed by an opening"

# A folder by the name of a tool is not the tool.
gui_stop
gui_tools asm51.exe mod52
mkdir "$GUI_APP/mod51"
open_help with-startup-box
probe click Nápověda Label19
gui_box_ok Varování "$(warning MOD51)"
gui_box_ok Chyba "$web_failure"
gui_expect_no_box
gui_pass
