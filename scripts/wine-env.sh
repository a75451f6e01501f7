#!/usr/bin/env bash
# The one Wine set-up of the project, sourced by scripts/run.sh, scripts/wine-run and the GUI
# scenarios (tests/gui/lib.sh): the environment, the project's own prefix under build/, an Xvfb of
# its own when asked, and the clean-up of both.
#
#   . scripts/wine-env.sh
#   wine_env_start_xvfb || exit 1   # DISPLAY on a free Xvfb display (WINE_ENV_XVFB_PID)
#   wine_env_prepare_prefix         # made once, under a lock; the fonts checked every time
#   ...
#   wine_env_cleanup                # ends the prefix's Wine programs and stops that Xvfb
#
# WINEPREFIX overrides the prefix (default build/wineprefix of the checkout).

WINE_ENV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE_ENV_XVFB_PID=

export WINEPREFIX=${WINEPREFIX:-$WINE_ENV_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

# For programs that take Czech texts on their command line: Wine turns arguments into UTF-16 by
# the locale, so they need UTF-8.
wine_env_utf8() { export LANG=C.UTF-8 LC_ALL=C.UTF-8; }

wine_env_log() { printf '%s\n' "$*" >&2; }

# The Windows path of a Unix path, through Wine's Z: drive.
wine_env_winpath() {
  local path
  path=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  printf 'Z:%s' "${path//\//\\}"
}

# Starts an Xvfb on the first free display from :70 and exports DISPLAY; fails when none is free.
wine_env_start_xvfb() {
  local n tries
  for n in $(seq 70 140); do
    { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    for tries in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      return 0
    fi
    WINE_ENV_XVFB_PID= # another run took that display first: try the next
  done
  wine_env_log "no free X display"
  return 1
}

# Makes the prefix once; whoever comes second waits on the lock until it is ready.
wine_env_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  local lock
  exec {lock}>"$WINEPREFIX.lock"
  flock "$lock"
  if [ ! -f "$WINEPREFIX/.tamrill-ready" ]; then
    wine_env_log "making the Wine prefix $WINEPREFIX (once, takes a while)"
    # wineboot now and then stops halfway (seen once in many fresh runs: a system32 without
    # kernel32.dll, after which no program starts): such a prefix is made again, never kept.
    local attempt
    for attempt in 1 2 3; do
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
      wine_env_log "the Wine prefix came out incomplete (attempt $attempt); making it again"
      wineserver -k >/dev/null 2>&1
      wineserver -w >/dev/null 2>&1
      rm -rf "$WINEPREFIX"
    done
    if [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
      wine_env_log "cannot make the Wine prefix $WINEPREFIX"
      exec {lock}>&-
      return 1
    fi
    # Wine draws the frames and title bars itself: screenshots need no window manager.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tamrill-ready"
  fi
  # Debian's Wine looks for its own fonts beside its DLLs, where they are not: without Marlett
  # the caption buttons show letters. The prefix's font folder is always searched.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wine_env_sans_serif
  wine_env_system_colours
  exec {lock}>&-
}

# Wine has no "MS Sans Serif" with Czech letters and draws Tamrill's text in a wider font, so
# that labels of a fixed size lose their last words. FreeSans (fonts-freefont-ttf) comes closest
# to the widths Windows gives it: within 2 % of the sizes the help window's layout gives its
# self-sizing labels, with the same line height. Also given to a prefix an older checkout made.
WINE_ENV_SANS_SERIF=FreeSans
wine_env_sans_serif() {
  grep -qF "\"MS Sans Serif\"=\"$WINE_ENV_SANS_SERIF\"" "$WINEPREFIX/system.reg" 2>/dev/null && return 0
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Sans Serif' /t REG_SZ /d "$WINE_ENV_SANS_SERIF" /f >/dev/null 2>&1
  # Until the Wine server ends, the value is not in the file that the test above reads.
  wineserver -w
}

# Wine's own light theme paints the system colours its own way: the active and inactive window
# borders pure white, for one, so that the help window's grey bracket beside the button
# descriptions shows as stray white lines. The prefix takes the colours of a fresh Windows 10
# and 11 instead, so that what Linux users see under Wine is what Windows users see.
WINE_ENV_COLOURS=(
  ActiveBorder='180 180 180' ActiveTitle='153 180 209' AppWorkSpace='171 171 171'
  ButtonAlternateFace='0 0 0' ButtonDkShadow='105 105 105' ButtonFace='240 240 240'
  ButtonHilight='255 255 255' ButtonLight='227 227 227' ButtonShadow='160 160 160'
  ButtonText='0 0 0' GradientActiveTitle='185 209 234' GradientInactiveTitle='215 228 242'
  GrayText='109 109 109' Hilight='0 120 215' HilightText='255 255 255'
  HotTrackingColor='0 102 204' InactiveBorder='244 247 252' InactiveTitle='191 205 219'
  InactiveTitleText='0 0 0' InfoText='0 0 0' InfoWindow='255 255 225' Menu='240 240 240'
  MenuBar='240 240 240' MenuHilight='0 120 215' MenuText='0 0 0' Scrollbar='200 200 200'
  TitleText='0 0 0' Window='255 255 255' WindowFrame='100 100 100' WindowText='0 0 0'
)
wine_env_system_colours() {
  grep -qF '"ActiveBorder"="180 180 180"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  local pair file
  file=$(mktemp --suffix=.reg)
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
    for pair in "${WINE_ENV_COLOURS[@]}"; do printf '"%s"="%s"\r\n' "${pair%%=*}" "${pair#*=}"; done
  } >"$file"
  wine regedit /S "$(wine_env_winpath "$file")" >/dev/null 2>&1
  # Until the Wine server ends, the values are not in the file that the test above reads.
  wineserver -w
  rm -f "$file"
}

# Ends every Wine program of the prefix, and the Xvfb when this script started one.
wine_env_cleanup() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null
    WINE_ENV_XVFB_PID=
  fi
  return 0
}
