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

# One timed run: prints "wall cpu" in microseconds (cpu = user + system).
timed() {
  local TIMEFORMAT='%R %U %S' out
  out=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || true
  awk -v t="$out" 'BEGIN { split(t, f, " "); printf "%d %d\n", f[1] * 1e6, (f[2] + f[3]) * 1e6 }'
}

# The two take turns, so that a busy machine slows both alike; the best of
# the runs counts for each.
cd "$work"
runs=${ASM51_BENCH_RUNS:-7}
ours_wall=0 ours_cpu=0 theirs_wall=0 theirs_cpu=0
for ((n = 0; n < runs; ++n)); do
  read -r w c < <(timed "$asm51" bench)
  if (( ours_wall == 0 || w < ours_wall )); then ours_wall=$w; fi
  if (( ours_cpu == 0 || c < ours_cpu )); then ours_cpu=$c; fi
  read -r w c < <(timed as31 -l b31.asm)
  if (( theirs_wall == 0 || w < theirs_wall )); then theirs_wall=$w; fi
  if (( theirs_cpu == 0 || c < theirs_cpu )); then theirs_cpu=$c; fi
done
grep -q "ASSEMBLY COMPLETE, 0 ERRORS FOUND" bench.lst || { echo "asm51 reported errors on the bench source" >&2; exit 1; }
[[ -s b31.hex ]] || { echo "as31 wrote no HEX file for the bench source" >&2; exit 1; }
awk -v ow="$ours_wall" -v oc="$ours_cpu" -v tw="$theirs_wall" -v tc="$theirs_cpu" -v runs="$runs" 'BEGIN {
  printf "50000 lines, best of %d runs each, both writing HEX and listing:\n", runs
  printf "  asm51 %6.1f ms wall %6.1f ms cpu\n", ow / 1000, oc / 1000
  printf "  as31  %6.1f ms wall %6.1f ms cpu\n", tw / 1000, tc / 1000
  if (tw < 1) tw = 1; if (tc < 1) tc = 1
  printf "ratio asm51/as31: %.2f wall, %.2f cpu (below 1 means ours is faster)\n", ow / tw, oc / tc
}'
