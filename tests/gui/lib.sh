#!/usr/bin/env bash
# The GUI test harness: Tamrill under Wine on an Xvfb of its own, driven by probe.exe.
#
# A scenario is a bash script in tests/gui/scenarios/ that sources this file:
#
#   . "$(dirname "$0")/../lib.sh"
#   gui_init                        # Xvfb, Wine prefix, a program folder, clean-up on exit
#   gui_tools asm51.exe mod51       # which tools lie beside tamrill.exe (default: all three)
#   gui_start_loaded                # Tamrill with no source, once Load has run
#   gui_open_cmdline "$dir/a.asm"   # or: Tamrill with that source on its command line
#   gui_open_dialog "$dir/a.asm"    # or: that source chosen in the file-open dialog
#   gui_expect_box Chyba 1:OK "…"   # the only box up, then gui_answer Chyba 1 (gui_box: both)
#   gui_expect_enabled "$GUI_MAIN" 1 Command4 Command5
#   gui_screenshot Tamrill start    # a PNG of the window; prints its path
#   gui_expect_drawn_as_repainted Tamrill start  # it shows what a full repaint of it shows
#   gui_pass
#
# probe.exe -h lists the probe's own commands, which `probe ARGS…` runs.
#
# Environment: TAMRILL_BUILD (build folder with bin/tamrill.exe and bin/probe.exe; set by CTest),
# TAMRILL_GUI_DISPLAY (use this X display instead of starting Xvfb), TAMRILL_GUI_PREFIX (the
# Wine prefix; default: the project's one, see scripts/wine-env.sh), TAMRILL_GUI_DROP_PREFIX=1
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
GUI_WORK=
GUI_APP=
GUI_MAIN=Tamrill  # the main window's title: it names the open source
# The project's version ("1.0.0"), from the one place it is written.
GUI_VERSION=$(sed -n 's/^project(Tamrill VERSION \([0-9.]*\).*/\1/p' "$GUI_SOURCE/CMakeLists.txt")

[ -n "${TAMRILL_GUI_PREFIX:-}" ] && export WINEPREFIX=$TAMRILL_GUI_PREFIX
. "$GUI_SOURCE/scripts/wine-env.sh"
wine_env_utf8

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

# Runs COUNT tests of the Win32 test program, those FILTER picks, on this scenario's display.
# Into a file, not a pipe: the system processes that COM starts outlive the test program and
# would hold a pipe open.
gui_win32_tests() {  # FILTER COUNT
  local log=$GUI_WORK/win32-tests.log
  timeout 60 wine "$GUI_BIN/tamrill_win32_tests.exe" --gtest_filter="$1" >"$log" 2>&1 ||
    fail "the tests $1 failed: $(cat "$log")"
  grep -q "^\[  PASSED  \] $2 test" "$log" || fail "the tests $1 did not run: $(cat "$log")"
}

gui_winpath() { wine_env_winpath "$1"; }

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
  exec 7>&- 8<&-
  wine_env_cleanup
  [ "${TAMRILL_GUI_DROP_PREFIX:-}" = 1 ] && rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
  rm -rf "$GUI_WORK"
  exit $status
}

gui_init() {
  [ -f "$GUI_BIN/tamrill.exe" ] || { gui_log "no $GUI_BIN/tamrill.exe: build the windows preset"; exit 1; }
  [ -f "$GUI_BIN/probe.exe" ] || { gui_log "no $GUI_BIN/probe.exe: build the windows preset"; exit 1; }
  mkdir -p "$TAMRILL_BUILD/gui-runs" "$GUI_OUT"
  GUI_WORK=$(mktemp -d "$TAMRILL_BUILD/gui-runs/$GUI_SCENARIO.XXXXXX")
  trap gui_cleanup EXIT
  trap 'exit 130' INT TERM
  # set -e ends a scenario at any failing command: say which, so no failure goes unexplained.
  trap 'gui_log "FAIL: line $LINENO: $BASH_COMMAND"' ERR
  if [ -n "${TAMRILL_GUI_DISPLAY:-}" ]; then
    export DISPLAY=$TAMRILL_GUI_DISPLAY
  else
    wine_env_start_xvfb || fail "no free X display"
  fi
  wine_env_prepare_prefix
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

# Polls until the command succeeds, for at most $1 seconds.
gui_within() {  # seconds command...
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# The names in a folder, sorted, on one line.
gui_ls() { (cd "$1" && ls | tr '\n' ' '); }

# A user's folder of this name in the scenario's own space; prints its path.
gui_project() {  # name
  mkdir -p "$GUI_WORK/$1"
  printf '%s\n' "$GUI_WORK/$1"
}

# The smallest source there is, with Windows line ends.
gui_tiny_source() { printf 'ORG 0\r\nEND\r\n' >"$1"; }  # path

# --- Starting and opening ---

# Tamrill with no source (or with this exact command-line text), once Load has run: it enables
# "Otevřít ASM" as its last visible step.
gui_start_loaded() {  # [argument-text]
  gui_start "$@"
  GUI_MAIN=Tamrill
  probe -t 60000 wait-window Tamrill || fail "the main window did not come up"
  probe -t 20000 wait-enabled Tamrill Command1 1 || fail "Load did not finish"
}

# Tamrill with a source on its command line in double quotes, as the shell passes it, once the
# source is loaded ("Přeložit" enabled). GUI_MAIN becomes the window's title.
gui_open_cmdline() {  # unix-path
  gui_start "\"$(gui_winpath "$1")\""
  GUI_MAIN="Tamrill - $(basename "$1")"
  probe -t 60000 wait-window "$GUI_MAIN" || fail "the main window did not open $1"
  probe -t 20000 wait-enabled "$GUI_MAIN" Command3 1 || fail "Přeložit was not enabled"
}

# The running Tamrill opens a source chosen in the real file-open dialog. GUI_MAIN becomes the
# title the window will have; what follows the choice is the scenario's to wait for.
gui_open_dialog() {  # unix-path
  probe click "$GUI_MAIN" Command1 || fail "cannot press Otevřít ASM"
  probe -t 20000 wait-window Open || fail "the file-open dialog did not come up"
  probe open-file "$(gui_winpath "$1")" || fail "cannot choose $1"
  GUI_MAIN="Tamrill - $(basename "$1")"
}

# Presses "Nápověda" and waits for the help window.
gui_open_help() {
  probe click "$GUI_MAIN" Command7 || fail "cannot press Nápověda"
  probe wait-window Nápověda || fail "the help window did not open"
}

# Presses "Přeložit" once it is enabled.
gui_assemble() {
  probe -t 20000 wait-enabled "$GUI_MAIN" Command3 1 || fail "Přeložit was not enabled"
  probe click "$GUI_MAIN" Command3 || fail "cannot press Přeložit"
}

# --- Checks ---

# Each control is enabled (1) or disabled (0).
gui_expect_enabled() {  # window 0|1 control...
  local window=$1 wanted=$2 control
  shift 2
  for control in "$@"; do
    expect_eq "$(probe state "$window" "$control" | cut -d' ' -f1)" "enabled=$wanted" "$control"
  done
}

# Waits for a message box and checks it is the only one up, with these buttons and this text.
gui_expect_box() {  # title buttons text [timeout-ms]
  probe -t "${4:-20000}" wait-window "$1" || fail "no '$1' box (expected: $3)"
  expect_eq "$(probe boxes)" "title=$1 buttons=$2 text=$3" "the '$1' box"
}

# Presses a box's button (1 OK, 6 Yes, 7 No) and waits for the box to close.
gui_answer() {  # title button-id
  probe answer "$1" "$2" || fail "cannot press $2 in the '$1' box"
  probe wait-gone "$1" || fail "the '$1' box did not close"
}

gui_box() {  # title buttons text button-id
  gui_expect_box "$1" "$2" "$3"
  gui_answer "$1" "$4"
}
gui_box_ok() { gui_box "$1" 1:OK "$2" 1; }  # title text

# A button pressed three times in a row opens its window once: one comes, no second follows.
gui_expect_opens_once() {  # button window-title
  local _
  for _ in 1 2 3; do probe click Tamrill "$1" || fail "cannot press $1"; done
  probe wait-window "$2" || fail "$1 did not open '$2'"
  if probe -t 2000 wait-count "$2" 2 2>/dev/null; then fail "$1 opened a second '$2'"; fi
  expect_eq "$(probe count "$2")" "1" "'$2' windows"
}

# A bounded look for a window that must not come.
gui_expect_no_window() {  # title what [timeout-ms]
  if probe -t "${3:-2000}" wait-window "$1" 2>/dev/null; then fail "$2"; fi
}

# For two seconds, no message box at all.
gui_expect_no_box() {
  local deadline=$((SECONDS + 2)) boxes
  while [ $SECONDS -lt $deadline ]; do
    boxes=$(probe boxes)
    [ -z "$boxes" ] || fail "an unexpected box: $boxes"
    sleep 0.2
  done
}

# --- Geometry, the mouse and colours ---

# A control's rectangle in its window's client area, as the probe reports it: x,y,w,h.
gui_rect() { probe state "$1" "$2" | sed 's/.*rect=//'; }

# Reads a window's place: GUI_WIN_X/Y its corner on the screen, GUI_CX/CY/CW/CH its client
# area within a screenshot of it.
gui_geometry() {  # window
  local geometry
  geometry=$(probe geometry "$1")
  IFS=, read -r GUI_WIN_X GUI_WIN_Y _ _ <<<"$(sed 's/.*window=\([^ ]*\).*/\1/' <<<"$geometry")"
  IFS=, read -r GUI_CX GUI_CY GUI_CW GUI_CH <<<"$(sed 's/.*client=\([^ ]*\).*/\1/' <<<"$geometry")"
}

# The real mouse to a point of the client area of the window gui_geometry read last.
gui_mouse_to() {  # x y
  xdotool mousemove $((GUI_WIN_X + GUI_CX + $1)) $((GUI_WIN_Y + GUI_CY + $2))
}
# ... or to the middle of one of its controls.
gui_mouse_over() {  # window control
  local x y w h
  IFS=, read -r x y w h <<<"$(gui_rect "$1" "$2")"
  gui_mouse_to $((x + w / 2)) $((y + h / 2))
}

# A control's rectangle as an ImageMagick crop of a screenshot of its window (gui_geometry first).
gui_crop() {  # window control
  local x y w h
  IFS=, read -r x y w h <<<"$(gui_rect "$1" "$2")"
  printf '%sx%s+%s+%s' "$w" "$h" $((GUI_CX + x)) $((GUI_CY + y))
}

# The most frequent pure red of a control's rectangle in a screenshot, as RRGGBB; empty when
# there is none.
gui_red_of() {  # png window control
  convert "$1" -crop "$(gui_crop "$2" "$3")" +repage -depth 8 -format %c histogram:info:- |
    sed -n 's/^ *\([0-9]*\):.*#\([0-9A-F][0-9A-F]0000\).*/\1 \2/p' |
    awk '$2 != "000000" && $1 > most { most = $1; red = $2 } END { print red }'
}

# The colour of one pixel of a client area in a screenshot (gui_geometry first), as RRGGBB.
gui_pixel() {  # png x y
  convert "$1" -crop "1x1+$((GUI_CX + $2))+$((GUI_CY + $3))" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1
}

# --- What is drawn equals a full repaint ---

# Blacks out rectangles x,y,w,h of the client area of the window gui_geometry read last.
gui_black_out() {  # png rectangle...
  local png=$1 x y w h
  shift
  for rectangle in "$@"; do
    IFS=, read -r x y w h <<<"$rectangle"
    mogrify -fill black -draw "rectangle $((GUI_CX + x)),$((GUI_CY + y)) $((GUI_CX + x + w - 1)),$((GUI_CY + y + h - 1))" "$png"
  done
}

# How many pixels differ between two pictures of one size.
gui_pixels_apart() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# A screenshot of the window into png, with its caret blacked out: the caret blinks by itself.
gui_caretless_screenshot() {  # window png
  cp "$(gui_screenshot "$1" caretless)" "$2"
  local caret
  caret=$(probe caret "$1")
  [ -z "$caret" ] || gui_black_out "$2" "$caret"
}

# A picture of the window, frame included and caret left out, once it has settled: Wine copies
# what a program painted to the screen when the program next waits, so pictures are taken until
# two in a row agree.
gui_settled_picture() {  # window png
  local previous=$2.previous deadline=$((SECONDS + 15))
  probe -t 15000 wait-painted "$1" >/dev/null || fail "'$1' did not finish painting"
  gui_geometry "$1"
  gui_caretless_screenshot "$1" "$previous"
  until gui_caretless_screenshot "$1" "$2" && [ "$(gui_pixels_apart "$previous" "$2")" = 0 ]; do
    [ $SECONDS -lt $deadline ] || fail "'$1' did not settle on one picture"
    mv "$2" "$previous"
  done
  rm -f "$previous"
}

gui_uncovered() { [ -z "$(probe covering "$1")" ]; }

# What the window shows equals what it shows once all of it, frame and controls, is painted
# afresh (probe repaint), pixel for pixel: whatever the user's actions repainted only in part
# must have come out as a full repaint paints it. The pointer is taken off the window first, so
# that no hover look or tip is in the picture, and nothing may lie over the window. Controls
# that a timer recolours may be named: when the two pictures differ in those alone, a tick fell
# between them, and the pair is taken again (three times at most).
gui_expect_drawn_as_repainted() {  # window name [control-a-timer-changes...]
  local window=$1 name=$2 attempt control ticking=()
  local drawn=$GUI_OUT/$name-drawn.png repainted=$GUI_OUT/$name-repainted.png
  shift 2
  xdotool mousemove 1023 767
  gui_within 10 gui_uncovered "$window" || fail "$name: over '$window' lies $(probe covering "$window")"
  for attempt in 1 2 3; do
    gui_settled_picture "$window" "$drawn"
    probe repaint "$window" >/dev/null || fail "$name: '$window' did not repaint"
    gui_settled_picture "$window" "$repainted"
    [ "$(gui_pixels_apart "$drawn" "$repainted")" = 0 ] && return 0
    compare "$drawn" "$repainted" "$GUI_OUT/$name-difference.png" 2>/dev/null || true
    [ $# -gt 0 ] || break
    ticking=()
    for control in "$@"; do ticking+=("$(gui_rect "$window" "$control")"); done
    gui_black_out "$drawn" "${ticking[@]}"
    gui_black_out "$repainted" "${ticking[@]}"
    [ "$(gui_pixels_apart "$drawn" "$repainted")" = 0 ] || break
    gui_log "$name: a tick recoloured $* between the two pictures; taking them again"
  done
  fail "$name: '$window' as drawn is not what a full repaint draws (see $GUI_OUT/$name-*.png)"
}
