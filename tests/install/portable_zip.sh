#!/usr/bin/env bash
# The portable zip holds one folder, Tamrill-VERSION, laid out as the installed program. Unpacked
# into a folder whose path has blanks and Czech letters and started from another folder, Tamrill
# finds its tools beside itself (no "Chyba 01"), opens the example named on its command line and
# assembles it with the bundled assembler: "bez chyb :)", with the listing and the HEX file beside
# the example.
. "$(dirname "$0")/../gui/lib.sh"
zip=$TAMRILL_BUILD/dist/Tamrill-$GUI_VERSION-x64.zip
[ -f "$zip" ] || { gui_log "no $zip: build the windows preset"; exit 1; }
gui_init

folder=Tamrill-$GUI_VERSION
expect_eq "$(unzip -Z1 "$zip" | cut -d/ -f1 | sort -u)" "$folder" "the zip's top folder"
place="$GUI_WORK/Přenosné programy/Můj Tamrill č. 2"
mkdir -p "$place"
unzip -q "$zip" -d "$place" || fail "cannot unpack the zip"
app=$place/$folder
for file in tamrill.exe asm51.exe mod51 mod52 ctimne.txt priklady/blink.asm; do
  [ -f "$app/$file" ] || fail "no $file in the unpacked folder"
done

example=$app/priklady/blink.asm
main='Tamrill - blink.asm'
probe start "\"$(gui_winpath "$app/tamrill.exe")\" \"$(gui_winpath "$example")\"" \
  "$(gui_winpath "$GUI_WORK")" >/dev/null || fail "cannot start the unpacked Tamrill"
probe -t 60000 wait-window "$main" || fail "the unpacked Tamrill did not open the example"
probe -t 20000 wait-enabled "$main" Command3 1 || fail "Přeložit was not enabled"
expect_eq "$(probe boxes)" "" "message boxes at start-up"
expect_eq "$(probe text "$main" Text1)" "$(gui_winpath "$example")" "Text1"

probe click "$main" Command3 || fail "cannot press Přeložit"
probe -t 60000 wait-text "$main" Label1 "bez chyb :)" || fail "the bundled assembler did not report a clean run"
grep -q '^ASSEMBLY COMPLETE, 0 ERRORS FOUND' "$app/priklady/blink.lst" || fail "no listing beside the example"
[ -s "$app/priklady/blink.hex" ] || fail "no HEX file beside the example"
gui_pass
