#!/usr/bin/env bash
# Builds Tamrill for Windows and starts it under Wine from a program folder that holds its tools,
# on an example source given on its command line in double quotes, as the shell would pass it.
# On $DISPLAY when there is one (the script ends when Tamrill does); otherwise on an Xvfb of its
# own: it waits for the window, saves a screenshot, prints the PNG's path and cleans up.
#
# TAMRILL_BUILD_DIR overrides the build folder (default build/windows); WINEPREFIX the Wine
# prefix (default build/wineprefix).
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

export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
export LANG=C.UTF-8 LC_ALL=C.UTF-8

winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
probe() { wine "$build/bin/probe.exe" "$@"; }

source_file=
if [ -f "$app/blink.asm" ]; then
  source_file=$app/blink.asm
else
  source_file=$(find "$app" -maxdepth 1 -name '*.asm' | sort | head -n 1)
fi
command_line="\"$(winpath "$app/tamrill.exe")\""
[ -n "$source_file" ] && command_line="$command_line \"$(winpath "$source_file")\""

xvfb_pid=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 70 140); do
    { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.05
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=":$n"; break; fi
    xvfb_pid=
  done
  [ -n "${DISPLAY:-}" ] || { echo "run.sh: no free X display" >&2; exit 1; }
  trap cleanup EXIT
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "run.sh: making the Wine prefix $WINEPREFIX (once, takes a while)" >&2
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
fi
# Debian's Wine does not find its own fonts (Marlett draws the caption buttons).
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
# With no window manager Wine draws the frames itself.
[ -n "$xvfb_pid" ] &&
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1

echo "run.sh: starting $command_line" >&2
probe start "$command_line" "$(winpath "$app")" >/dev/null

if [ -z "$xvfb_pid" ]; then
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
