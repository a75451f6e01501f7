#!/usr/bin/env bash
# Builds Tamrill for Windows and starts it under Wine from a program folder that holds its tools,
# on an example source given on its command line in double quotes, as the shell would pass it.
# On $DISPLAY when there is one (the script ends when Tamrill does); otherwise on an Xvfb of its
# own: it waits for the window, saves a screenshot, prints the PNG's path and cleans up.
#
# TAMRILL_BUILD_DIR overrides the build folder (default build/windows); WINEPREFIX the Wine
# prefix (default build/wineprefix, the one the tests use too; see scripts/wine-env.sh).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

"$here/scripts/install.sh"

build=${TAMRILL_BUILD_DIR:-$here/build/windows}
mkdir -p "$here/build/logs"
echo "run.sh: building the windows preset in $build" >&2
cmake --preset windows -B "$build" >"$here/build/logs/run-configure.log" 2>&1 ||
  { cat "$here/build/logs/run-configure.log" >&2; exit 1; }
cmake --build "$build" -j "$(nproc)" >"$here/build/logs/run-build.log" 2>&1 ||
  { tail -n 40 "$here/build/logs/run-build.log" >&2; exit 1; }

# The program folder: tamrill.exe with the assembler and its include files beside it.
app=$here/build/Tamrill
rm -rf "$app"
mkdir -p "$app"
cp "$build/bin/tamrill.exe" "$app/"
for tool in asm51.exe mod51 mod52; do
  if [ -f "$build/bin/$tool" ]; then
    cp "$build/bin/$tool" "$app/"
  else
    echo "run.sh: no built $tool: a placeholder file stands in for it" >&2
    printf 'placeholder for %s\r\n' "$tool" >"$app/$tool"
  fi
done
[ -d "$here/examples" ] && cp "$here"/examples/*.asm "$app/" 2>/dev/null || true

. "$here/scripts/wine-env.sh"
wine_env_utf8
winpath() { wine_env_winpath "$1"; }
probe() { wine "$build/bin/probe.exe" "$@"; }

source_file=
if [ -f "$app/blink.asm" ]; then
  source_file=$app/blink.asm
else
  source_file=$(find "$app" -maxdepth 1 -name '*.asm' | sort | head -n 1)
fi
command_line="\"$(winpath "$app/tamrill.exe")\""
[ -n "$source_file" ] && command_line="$command_line \"$(winpath "$source_file")\""

headless=
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  trap wine_env_cleanup EXIT
  wine_env_start_xvfb || exit 1
fi
wine_env_prepare_prefix || exit 1

echo "run.sh: starting $command_line" >&2
probe start "$command_line" "$(winpath "$app")" >/dev/null

if [ -z "$headless" ]; then
  echo "run.sh: Tamrill runs on $DISPLAY; close its window to end" >&2
  wineserver -w
  exit 0
fi

probe -t 60000 wait-window 'Tamrill*' >/dev/null || { echo "run.sh: the window did not come up" >&2; exit 1; }
# Start-up has ended once "Otevřít ASM" is enabled, or a box says why it is not.
for _ in $(seq 1 100); do
  [ "$(probe state 'Tamrill*' Command1 | cut -d' ' -f1)" = enabled=1 ] && break
  [ -n "$(probe boxes)" ] && break
  sleep 0.1
done
shot=$here/build/tamrill-screenshot.png
import -window root "$shot"
echo "$shot"
