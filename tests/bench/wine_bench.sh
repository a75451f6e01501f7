#!/usr/bin/env bash
# Start-up, "Přeložit" and memory of the built tamrill.exe against a bare window and the bare
# assembler, under Wine on an Xvfb of its own. Builds nothing: build the windows preset first.
#   tests/bench/wine_bench.sh [startup] [assemble] [--starts N] [--runs N]
# Not a test: it prints figures. The machine's other load shows in them, so run it a few times.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TAMRILL_BUILD:-$root/build/windows}
bin=$build/bin
for program in tamrill.exe asm51.exe bench_launcher.exe bare_window.exe bare_window_imports.exe; do
  [ -f "$bin/$program" ] || { echo "no $bin/$program: build the windows preset" >&2; exit 1; }
done

export WINEPREFIX=${TAMRILL_BENCH_PREFIX:-$build/bench-wineprefix}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
export LANG=C.UTF-8 LC_ALL=C.UTF-8

xvfb_pid=
cleanup() {
  local status=$?
  set +e
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display nobody else uses; Xvfb tells through -displayfd which one it took.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r -t 10 _ xvfb_pid <&3 || { echo "Xvfb did not start" >&2; exit 1; }
read -r -t 10 display <&3 || { echo "Xvfb did not say which display it took" >&2; exit 1; }
export DISPLAY=:$display

if [ ! -f "$WINEPREFIX/.tamrill-ready" ]; then
  echo "making the Wine prefix $WINEPREFIX (once)" >&2
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Wine draws the frames itself, as in the GUI scenarios: no window manager needed.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tamrill-ready"
fi
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

winpath() { local p; p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); printf 'Z:%s' "${p//\//\\}"; }
wine "$bin/bench_launcher.exe" "$(winpath "$bin")" "$(winpath "$root/examples/blink.asm")" "$@"
