#!/usr/bin/env bash
# The bundled assembler under Wine: $INCLUDE and #include of a device (CON, NUL, COM1, ...) or
# of a path that can leave the machine or reach a device stop with an error within 5 s, and so
# does a source that is all errors. Standard input stays open and silent, so that a read of the
# console would wait for ever.
#   wine_refused_includes.sh path/to/asm51.exe
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$work"' EXIT
cp "$1" "$work/asm51.exe"
cd "$work" || exit 1
mkfifo silent
exec 3<>silent

# Wine starts once before anything is timed: a fresh prefix takes a while to make.
"$root/scripts/wine-run" asm51.exe </dev/null >/dev/null 2>&1

failed=0
# Assembles dev.asm and expects exit code 2 within 5 s with COUNT errors in the summary.
expect_errors() {  # WHAT COUNT CONSOLE
  rm -f dev.lst
  local start rc ms
  start=$(date +%s%N)
  timeout 60 "$root/scripts/wine-run" asm51.exe dev <silent >"$3" 2>&1
  rc=$?
  ms=$((($(date +%s%N) - start) / 1000000))
  if [ "$rc" -eq 2 ] && [ "$ms" -le 5000 ] &&
    grep -q "ASSEMBLY COMPLETE, $2 ERRORS FOUND" dev.lst; then
    echo "ok   $1 ($ms ms)"
  else
    echo "FAIL $1: exit code $rc after $ms ms"
    failed=$((failed + 1))
  fi
}

for name in CON NUL COM1 aux.inc 'lpt1 .h' 'CONIN$' 'sub\prn.inc' '\\server\share\x.inc' \
  '//server/share/x.inc' '\\?\C:\x.inc' '\\.\COM1' '\??\C:\x.inc'; do
  for line in "\$INCLUDE ($name)" "#include \"$name\""; do
    printf 'NOP\r\n%s\r\nNOP\r\nEND\r\n' "$line" >dev.asm
    expect_errors "$line" 1 output.txt
  done
done
# A source that is all errors ends as fast: its 10,000 messages reach the console in one write,
# not in one round trip to the console each. Wine takes a character device such as /dev/null
# for a console, the slowest to write to.
yes 'DB 1 1' | head -n 10001 | sed 's/$/\r/' >dev.asm
expect_errors "all errors" 10001 /dev/null
echo "$failed failed"
[ "$failed" -eq 0 ]
