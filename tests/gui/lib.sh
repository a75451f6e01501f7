#!/usr/bin/env bash
# The GUI test harness: Tamrill under Wine on an Xvfb of its own, driven by probe.exe.
#
# A scenario is a bash script in tests/gui/scenarios/ that sources this file:
#
#   . "$(dirname "$0")/../lib.sh"
#   gui_init                        # Xvfb, Wine prefix, a program folder, clean-up on exit
#   gui_tools asm51.exe mod51       # which tools lie beside tamrill.exe (default: all three)
#   gui_start                       # Tamrill, no arguments; gui_start '"C:\x\a.asm"' passes
#                                   #   that exact argument text on its command line
#   probe wait-window Tamrill       # then drive it (probe.exe -h lists the commands)
#   expect_eq "$(probe text Tamrill Label1)" "nenačteno..." "Label1"
#   gui_screenshot Tamrill start    # a PNG of the window; prints its path
#   gui_pass
#
# Environment: TAMRILL_BUILD (build folder with bin/tamrill.exe and bin/probe.exe; set by CTest),
# TAMRILL_GUI_DISPLAY (use this X display instead of starting Xvfb), TAMRILL_GUI_PREFIX (the
# Wine prefix; default: $TAMRILL_BUILD/gui-wineprefix, made once), TAMRILL_GUI_DROP_PREFIX=1
# (a prefix of the scenario's own: removed on exit), TAMRILL_GUI_OUT (where
# screenshots and logs go; default: $TAMRILL_BUILD/gui-output/<scenario>),
# TAMRILL_GUI_PROBE_SERVER=0 (start a probe.exe for every call instead of keeping one running).
# Every wait has a time-out; nothing sleeps for a fixed time. On exit, pass or fail, the Wine
# processes of the prefix are ended and the Xvfb is stopped.

set -euo pipefail

GUI_SCENARIO=$(basename "${0%.sh}")
GUI_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
TAMRILL_BUILD=${TAMRILL_BUILD:-$GUI_SOURCE/build/windows}
GUI_BIN=$TAMRILL_BUILD/bin
GUI_OUT=${TAMRILL_GUI_OUT:-$TAMRILL_BUILD/gui-output/$GUI_SCENARIO}
GUI_XVFB_PID=
GUI_WORK=
GUI_APP=
# The project's version ("1.0.0"), from the one place it is written.
GUI_VERSION=$(sed -n 's/^project(Tamrill VERSION \([0-9.]*\).*/\1/p' "$GUI_SOURCE/CMakeLists.txt")

export WINEPREFIX=${TAMRILL_GUI_PREFIX:-$TAMRILL_BUILD/gui-wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Wine turns arguments into UTF-16 by the locale: Czech texts need UTF-8.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

gui_log() { printf '[%s] %s\n' "$GUI_SCENARIO" "$*" >&2; }

fail() {
  gui_log "FAIL: $*"
  gui_snapshot_all "failure" || true
  exit 1
}

expect_eq() {  # actual expected what
  [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"
}

gui_pass() { gui_log "PASS"; exit 0; }

# The Windows path of a Unix path, through Wine's Z: drive.
gui_winpath() {
  local path
  path=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  printf 'Z:%s' "${path//\//\\}"
}

# probe ARGS...: one probe.exe command. Within a scenario the commands go to one probe.exe that
# keeps running ("probe serve"), which saves Wine's start-up on every call; it falls back to a
# probe.exe of its own when that one is not running.
GUI_PROBE_PID=
probe() {
  if [ -z "$GUI_PROBE_PID" ] || ! kill -0 "$GUI_PROBE_PID" 2>/dev/null; then
    wine "$GUI_BIN/probe.exe" "$@"
    return
  fi
  local IFS=$'\x1f' line answer=
  printf '%s\n' "$*" >&7
  # The whole answer is read before any of it is printed: a reader that stops early (grep -q)
  # must not leave the rest of it for the next call.
  while IFS= read -r line <&8; do
    if [[ $line == $'\x1e'* ]]; then
      printf '%s' "$answer"
      return "${line#$'\x1e'}"
    fi
    answer+=$line$'\n'
  done
  return 2
}

gui_probe_server() {
  exec 7>&- 8<&-
  [ "${TAMRILL_GUI_PROBE_SERVER:-1}" = 0 ] && return 0
  rm -f "$GUI_WORK/probe.in" "$GUI_WORK/probe.out"
  mkfifo "$GUI_WORK/probe.in" "$GUI_WORK/probe.out"
  wine "$GUI_BIN/probe.exe" serve <"$GUI_WORK/probe.in" >"$GUI_WORK/probe.out" &
  GUI_PROBE_PID=$!
  exec 7>"$GUI_WORK/probe.in" 8<"$GUI_WORK/probe.out"
}

gui_cleanup() {
  local status=$?
  set +e
  if [ -n "$GUI_WORK" ]; then
    exec 7>&- 8<&-
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
  fi
  [ "${TAMRILL_GUI_DROP_PREFIX:-}" = 1 ] && rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
  if [ -n "$GUI_XVFB_PID" ]; then
    kill "$GUI_XVFB_PID" 2>/dev/null
    wait "$GUI_XVFB_PID" 2>/dev/null
  fi
  [ -n "$GUI_WORK" ] && rm -rf "$GUI_WORK"
  exit $status
}

gui_start_xvfb() {
  if [ -n "${TAMRILL_GUI_DISPLAY:-}" ]; then
    export DISPLAY=$TAMRILL_GUI_DISPLAY
    return
  fi
  local n
  for n in $(seq 70 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    GUI_XVFB_PID=$!
    local tries
    for tries in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$GUI_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if kill -0 "$GUI_XVFB_PID" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      return
    fi
    GUI_XVFB_PID=  # another run took that display first: try the next
  done
  fail "no free X display"
}

gui_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  # One scenario at a time makes the prefix; the others wait for it.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.tamrill-ready" ]; then
    gui_log "making the Wine prefix $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1 || true
    # Wine draws the frames and title bars itself, so screenshots need no window manager.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tamrill-ready"
  fi
  # Debian's Wine looks for its own fonts beside its DLLs, where they are not: without Marlett
  # the caption buttons show letters. The prefix's font folder is always searched.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  flock -u 9
}

gui_init() {
  [ -f "$GUI_BIN/tamrill.exe" ] || { gui_log "no $GUI_BIN/tamrill.exe: build the windows preset"; exit 1; }
  [ -f "$GUI_BIN/probe.exe" ] || { gui_log "no $GUI_BIN/probe.exe: build the windows preset"; exit 1; }
  mkdir -p "$TAMRILL_BUILD/gui-runs" "$GUI_OUT"
  GUI_WORK=$(mktemp -d "$TAMRILL_BUILD/gui-runs/$GUI_SCENARIO.XXXXXX")
  trap gui_cleanup EXIT
  trap 'exit 130' INT TERM
  gui_start_xvfb
  gui_prepare_prefix
  wineserver -k >/dev/null 2>&1 || true  # nothing of an earlier run may linger
  GUI_APP=$GUI_WORK/Tamrill
  mkdir -p "$GUI_APP"
  cp "$GUI_BIN/tamrill.exe" "$GUI_APP/"
  gui_tools asm51.exe mod51 mod52
  gui_probe_server
}

# Lays out exactly these tools beside tamrill.exe: the built assembler and its include files
# when the build has them, placeholder files otherwise.
gui_tools() {
  rm -f "$GUI_APP/asm51.exe" "$GUI_APP/mod51" "$GUI_APP/mod52"
  local tool
  for tool in "$@"; do
    if [ -f "$GUI_BIN/$tool" ]; then
      cp "$GUI_BIN/$tool" "$GUI_APP/$tool"
    else
      printf 'placeholder for %s\r\n' "$tool" >"$GUI_APP/$tool"
    fi
  done
}

# Starts Tamrill in the background; the argument, if any, is the exact text after its name.
gui_start() {
  local line
  line="\"$(gui_winpath "$GUI_APP/tamrill.exe")\""
  [ $# -gt 0 ] && line="$line $1"
  probe start "$line" "$(gui_winpath "$GUI_APP")" >/dev/null || fail "cannot start Tamrill"
}

# Ends every Wine program of the run (Tamrill, Notepad, boxes), to start again.
gui_stop() {
  GUI_PROBE_PID=
  exec 7>&- 8<&-
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  gui_probe_server
}

# A PNG of one window, frame included; prints its path.
gui_screenshot() {  # window-title name
  local xid
  xid=$(probe geometry "$1" | sed -n 's/.*xid=\([0-9]*\).*/\1/p')
  [ -n "$xid" ] && [ "$xid" != 0 ] || fail "no X window for '$1'"
  local png=$GUI_OUT/$2.png
  import -window "$xid" "$png" || fail "screenshot of '$1' failed"
  printf '%s\n' "$png"
}

# The whole screen, for looking into a failure.
gui_snapshot_all() {
  [ -n "${DISPLAY:-}" ] || return 0
  import -window root "$GUI_OUT/$1-screen.png" >/dev/null 2>&1 && gui_log "screen: $GUI_OUT/$1-screen.png"
  probe windows >&2 2>/dev/null || true
}

# The colour of one pixel of a PNG as RRGGBB.
gui_pixel() {  # png x y
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1
}
