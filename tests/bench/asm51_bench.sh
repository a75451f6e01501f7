#!/usr/bin/env bash
# Times the bundled assembler against as31 on one generated 50,000-line
# source and prints the ratio. Not a test: nothing here passes or fails.
#   tests/bench/asm51_bench.sh [path/to/asm51]
# Without a path, an optimised asm51 is built in build/bench first.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
asm51=${1:-}
if [[ -z $asm51 ]]; then
  cmake -S "$root" -B "$root/build/bench" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$root/build/bench" --target asm51 -j 2 >/dev/null
  asm51="$root/build/bench/bin/asm51"
fi
command -v as31 >/dev/null || { echo "as31 not found: install the as31 package" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One body for both assemblers; only the directives differ. About one byte
# of code per line keeps 50,000 lines inside 64 KiB.
generate() {  # $1 = org, $2 = equ
  awk -v org="$1" -v equ="$2" 'BEGIN {
    print "\t" org " 0"
    for (i = 0; i < 50000 - 1; i++) {
      k = i % 8
      if (k == 0)      printf "L%d:\tmov a,r%d\n", i, (i / 8) % 8
      else if (k == 1) printf "\tadd a,#%d\n", i % 256
      else if (k == 2) printf "; comment line %d\n", i
      else if (k == 3) printf "\tinc a\n"
      else if (k == 4) { if (equ == "EQU") printf "C%d\tEQU\t%d\n", i, i % 200; else printf "\t.equ C%d, %d\n", i, i % 200 }
      else if (k == 5) printf "\tmov r%d,a\n", i % 8
      else if (k == 6) printf "\tdjnz r%d,L%d\n", i % 8, i - 6
      else             printf "\tnop\n"
    }
  }'
}
generate ORG EQU > "$work/bench.asm"
generate .org .equ > "$work/b31.asm"

best() {  # prints the best of three wall-clock times in milliseconds
  local best=0 t0 t1 ms
  for _ in 1 2 3; do
    t0=$(date +%s%N); "$@" >/dev/null 2>&1 || true; t1=$(date +%s%N)
    ms=$(( (t1 - t0) / 1000000 ))
    if (( best == 0 || ms < best )); then best=$ms; fi
  done
  echo "$best"
}

cd "$work"
ours=$(best "$asm51" bench)
theirs=$(best as31 -l b31.asm)
grep -q "ASSEMBLY COMPLETE, 0 ERRORS FOUND" bench.lst || { echo "asm51 reported errors on the bench source" >&2; exit 1; }
echo "50000 lines: asm51 ${ours} ms, as31 ${theirs} ms (both writing HEX and listing)"
awk -v a="$ours" -v b="$theirs" 'BEGIN { if (b < 1) b = 1; printf "ratio asm51/as31: %.2f (below 1 means ours is faster)\n", a / b }'
