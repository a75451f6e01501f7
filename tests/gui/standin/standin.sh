#!/usr/bin/env bash
# Helpers for the scenarios that run the stand-in assembler in place of asm51.exe. Source this
# after lib.sh:
#
#   standin_prepare "ASSEMBLY COMPLETE, 2 ERRORS FOUND" [delay-ms] [no-hex]   # before gui_init
#   gui_init
#   standin_install                 # the stand-in becomes the program folder's asm51.exe
#   standin_wait 1                  # until it has recorded one start
#   standin_record 1                # argument=…|folder=…|mod51=…|mod52=…
#
# The stand-in learns the summary, the delay and where to record from its environment, which
# Wine hands on from this script through probe.exe and Tamrill; so they are set before gui_init
# starts the probe.

STANDIN_LOG=$GUI_OUT/standin.log

standin_prepare() {  # summary [delay-ms] [no-hex]
  mkdir -p "$GUI_OUT"
  : >"$STANDIN_LOG"
  export TAMRILL_STANDIN_LOG
  TAMRILL_STANDIN_LOG=$(gui_winpath "$STANDIN_LOG")
  export TAMRILL_STANDIN_SUMMARY=$1
  export TAMRILL_STANDIN_DELAY_MS=${2:-}
  export TAMRILL_STANDIN_HEX=
  [ "${3:-}" = no-hex ] && TAMRILL_STANDIN_HEX=no
  return 0
}

# gui_helper.exe (tests/gui/standin/helper.cpp): "End task" on a window, or a file held open.
standin_helper() {
  [ -f "$GUI_BIN/gui_helper.exe" ] || fail "no $GUI_BIN/gui_helper.exe: build the windows preset"
  wine "$GUI_BIN/gui_helper.exe" "$@"
}

# Where Tamrill keeps its record of copies in the scenario's Wine prefix.
standin_records() {
  local folder
  for folder in "$WINEPREFIX"/drive_c/users/*/AppData/Local/Tamrill; do
    [ -d "$folder" ] && printf '%s\n' "$folder" && return 0
  done
  return 1
}

standin_install() {
  [ -f "$GUI_BIN/standin_asm51.exe" ] || fail "no $GUI_BIN/standin_asm51.exe: build the windows preset"
  cp "$GUI_BIN/standin_asm51.exe" "$GUI_APP/asm51.exe"
}

standin_record() {  # n
  sed -n "${1}p" "$STANDIN_LOG" | tr -d '\r'
}

standin_started() { [ "$(wc -l <"$STANDIN_LOG")" -ge "$1" ]; }
standin_wait() {  # n [timeout-s]
  gui_within "${2:-20}" standin_started "$1" || fail "the stand-in assembler did not record start $1"
}

# The first line of a tool file, as the stand-in records it.
standin_first_line() {  # path
  head -n 1 "$1" | tr -d '\r\n'
}

# Waits until none of the files is there any more; prints the seconds it took.
standin_wait_gone() {  # timeout-s path...
  local timeout=$1 start tries file all_gone
  shift
  start=$(date +%s.%N)
  for tries in $(seq 1 $((timeout * 20))); do
    all_gone=1
    for file in "$@"; do [ -e "$file" ] && all_gone=0; done
    if [ $all_gone = 1 ]; then
      awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f\n", b - a }'
      return 0
    fi
    sleep 0.05
  done
  return 1
}
