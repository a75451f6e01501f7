#!/usr/bin/env bash
# The bundled assembler through Tamrill on a clean example: "Přeložit" reports "bez chyb :)"
# without a box, and the HEX file it leaves holds the same memory image as as31 makes of the
# same program.
. "$(dirname "$0")/../lib.sh"
command -v as31 >/dev/null || { gui_log "as31 not found: install the as31 package"; exit 1; }
gui_init

project=$(gui_project "blikání LED")
cp "$GUI_SOURCE/examples/blink.asm" "$project/"

gui_open_cmdline "$project/blink.asm"
gui_expect_enabled "$GUI_MAIN" 0 Command5

gui_assemble
probe -t 60000 wait-text "$GUI_MAIN" Label1 "bez chyb :)" || fail "Label1 never read 'bez chyb :)'"
expect_eq "$(probe boxes)" "" "message boxes after a clean run"
gui_expect_enabled "$GUI_MAIN" 1 Command5
grep -q '^ASSEMBLY COMPLETE, 0 ERRORS FOUND' "$project/blink.lst" || fail "the listing's summary"

# Intel HEX to one "ADDRESS BYTE" line per byte, checking every record's checksum.
memory_image() {
  tr -d '\r' <"$1" | awk '
    function hex(s,   i, v) { v = 0; for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789ABCDEF", toupper(substr(s, i, 1))) - 1; return v }
    /^:/ {
      n = hex(substr($0, 2, 2)); at = hex(substr($0, 4, 4)); type = hex(substr($0, 8, 2)); sum = 0
      for (i = 2; i < length($0); i += 2) sum += hex(substr($0, i, 2))
      if (sum % 256 != 0) { print "bad checksum: " $0; exit 1 }
      if (type == 0) for (i = 0; i < n; i++) printf "%04X %s\n", at + i, toupper(substr($0, 10 + 2 * i, 2))
    }' | sort
}

# The same program in as31's spelling: dotted directives, '*' for the location counter, no
# register file (as31 knows the registers itself). Enough for the example's constructs.
to_as31() {
  tr -d '\r' <"$1" | awk '
    { sub(/;.*/, "") }
    /^[ \t]*(\$|$)/ { print ""; next }
    {
      label = ""
      if (match($0, /^[A-Za-z_?][A-Za-z0-9_?]*:/)) { label = substr($0, 1, RLENGTH); $0 = substr($0, RLENGTH + 1) }
      gsub(/\$/, "*")
      word = toupper($1)
      if (label == "" && (toupper($2) == "EQU" || toupper($2) == "BIT" || toupper($2) == "DATA")) {
        print "\t" (index($3, ".") ? ".flag " : ".equ ") $1 ", " $3; next
      }
      if (word == "ORG") $1 = ".org"; else if (word == "DB") $1 = ".db"; else if (word == "END") $1 = ".end"
      print label "\t" $0
    }'
}

ours=$(memory_image "$project/blink.hex")
reference="$GUI_WORK/as31"
mkdir -p "$reference"
to_as31 "$GUI_SOURCE/examples/blink.asm" >"$reference/blink.asm"
as31 -Fhex -O"$reference/blink.hex" "$reference/blink.asm" >"$reference/as31.log" 2>&1 ||
  fail "as31 failed: $(cat "$reference/as31.log")"
theirs=$(memory_image "$reference/blink.hex")
[ "$(printf '%s\n' "$ours" | wc -l)" -gt 20 ] || fail "too little code in Tamrill's HEX file: $ours"
expect_eq "$ours" "$theirs" "the memory image against as31's"
gui_pass
