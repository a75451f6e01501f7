#!/usr/bin/env bash
# The bundled assembler through Tamrill: an example with one undefined label, opened from the
# command line in a folder whose name has a space and Czech letters. "Přeložit" stages the tools
# beside it, runs the real asm51.exe, reports "1 chyb" and asks; No leaves it at that, and the
# timed clean-up takes the tool copies away again.
. "$(dirname "$0")/../lib.sh"
gui_init

project="$GUI_WORK/příklady s chybou"
mkdir -p "$project"
cp "$GUI_SOURCE/examples/chyba.asm" "$project/"
main='Tamrill - chyba.asm'

gui_start "\"$(gui_winpath "$project/chyba.asm")\""
probe -t 60000 wait-window "$main" || fail "the main window did not open the source"
expect_eq "$(probe text "$main" Text1)" "$(gui_winpath "$project/chyba.asm")" "Text1"
expect_eq "$(probe boxes)" "" "message boxes before assembling"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"

probe click "$main" Command3 || fail "cannot press Přeložit"
probe -t 60000 wait-window Varování || fail "no prompt after assembling"
expect_eq "$(probe text "$main" Label1)" "1 chyb" "Label1"
expect_eq "$(probe boxes)" \
  "title=Varování buttons=6:&Yes,7:&No text=Nalezeno 1 chyb. Přejete si zobrazit výpis?" \
  "the prompt"
probe answer Varování 7 || fail "cannot answer No"
probe wait-gone Varování || fail "the prompt did not close"
expect_eq "$(probe boxes)" "" "message boxes after No"
expect_eq "$(probe count 'chyba.lst - Notepad')" "0" "Notepad windows after No"
expect_eq "$(probe text "$main" Label1)" "1 chyb" "Label1 after No"
expect_eq "$(probe state "$main" Command4 | cut -d' ' -f1)" "enabled=1" "Command4"

# What the assembler itself wrote: the error under its line, the count, and no code.
grep -q '^\*\*\* ERROR in line 7: undefined symbol (CEKEJ)' "$project/chyba.lst" ||
  fail "the listing does not name the undefined label"
expect_eq "$(grep -c 'ERRORS FOUND' "$project/chyba.lst")" "1" "summary lines in the listing"
grep -q '^ASSEMBLY COMPLETE, 1 ERRORS FOUND' "$project/chyba.lst" || fail "the listing's summary"
expect_eq "$(tr -d '\r' <"$project/chyba.hex")" ":00000001FF" "the HEX file after errors"

# The staged copies go with the timed clean-up; the user's folder keeps only its own files.
for _ in $(seq 1 200); do
  [ ! -e "$project/asm51.exe" ] && [ ! -e "$project/mod51" ] && [ ! -e "$project/mod52" ] && break
  sleep 0.1
done
expect_eq "$(cd "$project" && ls | tr '\n' ' ')" "chyba.asm chyba.hex chyba.lst " "the source folder"
gui_pass
