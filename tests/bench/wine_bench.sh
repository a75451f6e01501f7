#!/usr/bin/env bash
# Start-up, "Přeložit" and memory of the built tamrill.exe against a bare window and the bare
# assembler, under Wine on an Xvfb of its own. Builds nothing: build the windows preset first.
#   tests/bench/wine_bench.sh [startup] [assemble] [--starts N] [--runs N]
# Not a test: it prints figures. The machine's other load shows in them, so run it a few times.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TAMRILL_BUILD:-$root/build/windows}
bin=$build/bin
for program in tamrill.exe asm51.exe bench_launcher.exe bare_window.exe bare_window_themed.exe \
  bare_window_controls.exe; do
  [ -f "$bin/$program" ] || { echo "no $bin/$program: build the windows preset" >&2; exit 1; }
done

# The project's one Wine set-up, with the tests' prefix unless another is asked for.
[ -n "${TAMRILL_BENCH_PREFIX:-}" ] && export WINEPREFIX=$TAMRILL_BENCH_PREFIX
. "$root/scripts/wine-env.sh"
wine_env_utf8

cleanup() {
  local status=$?
  set +e
  wine_env_cleanup
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wine_env_start_xvfb
wine_env_prepare_prefix
wine "$bin/bench_launcher.exe" "$(wine_env_winpath "$bin")" \
  "$(wine_env_winpath "$root/examples/blink.asm")" "$@"
