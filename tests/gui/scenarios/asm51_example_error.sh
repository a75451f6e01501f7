#!/usr/bin/env bash
# The bundled assembler through Tamrill: an example with one undefined label, opened from the
# command line in a folder whose name has a space and Czech letters. "Přeložit" stages the tools
# beside it, runs the real asm51.exe, reports "1 chyb" and asks; No leaves it at that, and the
# timed clean-up takes the tool copies away again.
. "$(dirname "$0")/../lib.sh"
gui_init

project=$(gui_project "příklady s chybou")
cp "$GUI_SOURCE/examples/chyba.asm" "$project/"

gui_open_cmdline "$project/chyba.asm"
expect_eq "$(probe text "$GUI_MAIN" Text1)" "$(gui_winpath "$project/chyba.asm")" "Text1"
expect_eq "$(probe boxes)" "" "message boxes before assembling"

gui_assemble
gui_expect_box Varování "6:&Yes,7:&No" "Nalezeno 1 chyb. Přejete si zobrazit výpis?" 60000
expect_eq "$(probe text "$GUI_MAIN" Label1)" "1 chyb" "Label1"
gui_answer Varování 7
expect_eq "$(probe boxes)" "" "message boxes after No"
expect_eq "$(probe count 'chyba.lst - Notepad')" "0" "Notepad windows after No"
expect_eq "$(probe text "$GUI_MAIN" Label1)" "1 chyb" "Label1 after No"
gui_expect_enabled "$GUI_MAIN" 1 Command4

# What the assembler itself wrote (in Windows-1250, as the source is): the error first, then
# under its line, the count last, and no code.
listing=$(iconv -f CP1250 -t UTF-8 <"$project/chyba.lst" | tr -d '\r')
first_error=$(grep -n -m 1 '^  řádek 7: nedefinovaný symbol CEKEJ$' <<<"$listing" | cut -d: -f1)
first_line=$(grep -n -m 1 '^    1 ' <<<"$listing" | cut -d: -f1)
[ -n "$first_error" ] && [ -n "$first_line" ] && [ "$first_error" -lt "$first_line" ] ||
  fail "the error list at the top does not name the undefined label"
grep -q '^\*\*\* CHYBA na řádku 7: nedefinovaný symbol CEKEJ$' <<<"$listing" ||
  fail "the listing does not name the undefined label under its line"
expect_eq "$(grep -c 'ERRORS FOUND' <<<"$listing")" "1" "summary lines in the listing"
expect_eq "$(tail -n 1 <<<"$listing")" "ASSEMBLY COMPLETE, 1 ERRORS FOUND" "the listing's last line"
expect_eq "$(tr -d '\r' <"$project/chyba.hex")" ":00000001FF" "the HEX file after errors"

# The staged copies go with the timed clean-up; the user's folder keeps only its own files.
no_copies() { [ ! -e "$project/asm51.exe" ] && [ ! -e "$project/mod51" ] && [ ! -e "$project/mod52" ]; }
gui_within 20 no_copies || true  # the listing below says what is left
expect_eq "$(gui_ls "$project")" "chyba.asm chyba.hex chyba.lst " "the source folder"
gui_pass
