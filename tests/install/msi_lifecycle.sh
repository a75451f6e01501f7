#!/usr/bin/env bash
# The MSI in a fresh Wine prefix of its own. A quiet install puts the program, its tools, the
# examples, the read-me, the Start-menu shortcut, the uninstall entry and the "Open with" keys in
# place, and leaves the user's own default for .hex alone. Opening a source through Tamrill's
# ProgID and through the registered application, as Explorer's "Open with" does, starts the
# installed Tamrill with that source. A package of a later version replaces it in place, with one
# uninstall entry. A quiet uninstall then leaves the registry and the disk as they were before
# the install, but for what the user put there: a file in the program's folder, a projects
# folder beside it, their own .hex default.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${TAMRILL_BUILD:-$here/../../build/windows}
mkdir -p "$build/install-runs"
TAMRILL_GUI_PREFIX=$(mktemp -u "$build/install-runs/wineprefix.XXXXXX")
export TAMRILL_GUI_PREFIX TAMRILL_GUI_DROP_PREFIX=1
. "$here/../gui/lib.sh"
# Wine would copy shortcuts and file types onto the Linux desktop of whoever runs the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

msi=$TAMRILL_BUILD/dist/Tamrill-$GUI_VERSION-x64.msi
[ -f "$msi" ] || { gui_log "no $msi: build the windows preset"; exit 1; }
[ -f "$TAMRILL_BUILD/bin/shell_open.exe" ] || { gui_log "no shell_open.exe: build the windows preset"; exit 1; }
gui_init

drive_c=$WINEPREFIX/drive_c
program="$drive_c/Program Files/Tamrill"
projects="$drive_c/Program Files/Tamrill projekty"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
command_line='"C:\Program Files\Tamrill\tamrill.exe" "%1"'

# A package of the next version, made from the same build.
IFS=. read -r major minor patch <<<"$GUI_VERSION"
later=$major.$minor.$((patch + 1))
"$GUI_SOURCE/packaging/make_packages.sh" "$GUI_BIN" "$GUI_WORK/later" "$later" >/dev/null ||
  fail "cannot make the $later package"
later_msi=$GUI_WORK/later/Tamrill-$later-x64.msi

msiexec() {  # /i|/x package
  timeout 300 wine msiexec "$1" "$(gui_winpath "$2")" /qn || fail "msiexec $1 $(basename "$2") failed ($?)"
}

# A key's values as .reg text (UTF-8, one value a line); fails when the key is missing.
reg_text() {
  local file=$GUI_WORK/export.reg
  rm -f "$file"
  wine reg export "$1" "$(gui_winpath "$file")" /y >/dev/null 2>&1 || return 1
  iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
}
reg_missing() { ! wine reg query "$1" >/dev/null 2>&1; }
# One value: the default with name '@', else the name; the value as it reads, without escapes.
reg_value() {  # key name
  local name='@'
  [ "$2" = '@' ] || name="\"$2\""
  reg_text "$1" | awk -v n="$name=" 'index($0, n) == 1 && !done { print substr($0, length(n) + 1); done = 1 }' |
    sed -e 's/^"//' -e 's/"$//' -e 's/\\"/"/g' -e 's/\\\\/\\/g'
}
expect_value() {  # key name expected
  expect_eq "$(reg_value "$1" "$2")" "$3" "$1 [$2]"
}

# The registry and the disk as the uninstall must leave them. Wine's own keys are left out, and so
# are the empty keys that Windows Installer makes for itself on its first install.
snapshot() {  # name
  {
    reg_text 'HKLM\Software' | awk '
      /^\[/ { key = $0; skip = key ~ /^\[HKEY_LOCAL_MACHINE\\Software\\Wine/
              installer = key ~ /\\Installer(\\|\])/
              if (!skip && !installer) print key; next }
      !skip && NF { print key " " $0 }'
    reg_text 'HKCU\Software\Classes' || true  # a fresh prefix has none
    (cd "$drive_c" && find . -path ./windows -prune -o -path ./users -prune -o -printf '%y %s %p\n' | sort)
    find "$drive_c/users" -path '*/Start Menu*' -printf '%y %p\n' | sort
  } >"$GUI_WORK/$1.snapshot"
}
# The uninstall entries named Tamrill: their keys, one a line.
tamrill_entries() {
  wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY_/ { key = $0 } /^    DisplayName    REG_SZ    Tamrill$/ { print key }'
}
shortcut() {
  find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs \
    -maxdepth 1 -name Tamrill.lnk 2>/dev/null
}

# What the user has before installing: a projects folder beside the program's, with a source,
# its listing, HEX file and their own copies of the tools, and a program of their own for .hex.
mkdir -p "$projects"
cp "$GUI_SOURCE/examples/blink.asm" "$projects/"
printf 'ASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$projects/blink.lst"
printf ':00000001FF\r\n' >"$projects/blink.hex"
printf 'vlastni asm51 uzivatele\r\n' >"$projects/asm51.exe"
printf 'vlastni mod51 uzivatele\r\n' >"$projects/mod51"
wine reg add 'HKLM\Software\Classes\.hex' /ve /d Uzivatel.hex /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Classes\Uzivatel.hex\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1
projects_before=$(cd "$projects" && md5sum ./*)
snapshot before

gui_log "installing $(basename "$msi")"
msiexec /i "$msi"
for file in tamrill.exe asm51.exe mod51 mod52; do
  [ -f "$program/$file" ] || fail "no $file in the program's folder"
done
cmp -s "$program/tamrill.exe" "$GUI_BIN/tamrill.exe" || fail "the installed tamrill.exe is not the built one"
cmp -s "$program/mod51" "$GUI_BIN/mod51" || fail "the installed mod51 is not the built one"
for example in "$GUI_SOURCE"/examples/*.asm; do
  cmp -s "$program/priklady/$(basename "$example")" "$example" || fail "example $(basename "$example") not installed"
done
grep -q "Tamrill $GUI_VERSION" "$program/ctimne.txt" || fail "the read-me does not name the version"
grep -q 'Otevřít v programu' "$program/ctimne.txt" || fail "the read-me does not tell about Open with"

link=$(shortcut)
[ -n "$link" ] || fail "no Start-menu shortcut Tamrill"
strings -e l "$link" | grep -qx 'C:\\Program Files\\Tamrill\\' || fail "the shortcut does not start in the program's folder"
strings -e l "$link" | grep -qx 'tamrill.exe' || fail "the shortcut does not point at tamrill.exe"

entry=$(tamrill_entries)
expect_eq "$(wc -l <<<"$entry")" 1 "uninstall entries"
[ -n "$entry" ] || fail "no uninstall entry"
expect_value "$entry" DisplayVersion "$GUI_VERSION"
expect_value "$entry" Publisher "Dílna Tamrill"
product_key="HKLM\\Software\\Classes\\Installer\\Products\\$(reg_text 'HKLM\Software\Classes\Installer\Products' |
  awk -F'\\' '/^\[/ { key = $NF } /^"ProductName"="Tamrill"$/ { print substr(key, 1, length(key) - 1); exit }')"
icon=$(reg_value "$product_key" ProductIcon)
[ -n "$icon" ] && [ -f "$drive_c/$(tr '\\' / <<<"${icon#C:\\}")" ] || fail "the uninstall entry has no icon ('$icon')"

expect_value 'HKLM\Software\Classes\Applications\tamrill.exe\shell\open\command' @ "$command_line"
expect_value 'HKLM\Software\Classes\Applications\tamrill.exe' FriendlyAppName Tamrill
for type in asm lst hex; do
  expect_value "HKLM\\Software\\Classes\\Tamrill.$type\\shell\\open\\command" @ "$command_line"
  expect_value "HKLM\\Software\\Classes\\.$type\\OpenWithProgids" "Tamrill.$type" ""
  expect_value 'HKLM\Software\Classes\Applications\tamrill.exe\SupportedTypes' ".$type" ""
  expect_value 'HKLM\Software\Tamrill\Capabilities\FileAssociations' ".$type" "Tamrill.$type"
done
expect_value 'HKLM\Software\Classes\Tamrill.asm' @ "Zdrojový text pro 8051"
expect_value 'HKLM\Software\Classes\Tamrill.lst' @ "Výpis překladu pro 8051"
expect_value 'HKLM\Software\RegisteredApplications' Tamrill 'Software\Tamrill\Capabilities'
# Offered, never made the default.
expect_value 'HKLM\Software\Classes\.hex' @ Uzivatel.hex
for type in asm lst; do
  expect_eq "$(reg_value "HKLM\\Software\\Classes\\.$type" @)" "" ".$type's default"
done

# "Open with": once through the type's ProgID, once through the registered application.
source_path='C:\Program Files\Tamrill projekty\blink.asm'
for class in Tamrill.asm 'Applications\tamrill.exe'; do
  gui_log "opening blink.asm through $class"
  wine "$GUI_BIN/shell_open.exe" "$source_path" "$class" || fail "the shell could not open the source with $class"
  probe -t 60000 wait-window "Tamrill - blink.asm" || fail "Tamrill did not open the source ($class)"
  expect_eq "$(probe text "Tamrill - blink.asm" Text1)" "$source_path" "Text1 ($class)"
  expect_eq "$(probe boxes)" "" "message boxes ($class)"
  gui_stop
done

# The user assembles an example where it lies: the listing stays theirs.
printf 'ASSEMBLY COMPLETE, NO ERRORS FOUND\r\n' >"$program/priklady/blink.lst"

gui_log "upgrading to $later"
msiexec /i "$later_msi"
entry=$(tamrill_entries)
expect_eq "$(wc -l <<<"$entry")" 1 "uninstall entries after the upgrade"
expect_value "$entry" DisplayVersion "$later"
cmp -s "$program/tamrill.exe" "$GUI_BIN/tamrill.exe" || fail "no tamrill.exe after the upgrade"
[ -f "$program/asm51.exe" ] && [ -f "$program/priklady/blink.asm" ] || fail "files lost in the upgrade"
[ -n "$(shortcut)" ] || fail "no shortcut after the upgrade"
expect_value 'HKLM\Software\Classes\Tamrill.asm\shell\open\command' @ "$command_line"
grep -q "Tamrill $later" "$program/ctimne.txt" || fail "the read-me was not replaced"
[ -f "$program/priklady/blink.lst" ] || fail "the upgrade removed the user's listing"

gui_log "uninstalling"
msiexec /x "$later_msi"
expect_eq "$(cd "$program" && find . -mindepth 1 | sort | tr '\n' ' ')" "./priklady ./priklady/blink.lst " \
  "what is left in the program's folder"
rm -r "$program"
[ -z "$(shortcut)" ] || fail "the shortcut is still there"
expect_eq "$(tamrill_entries)" "" "uninstall entries after the uninstall"
reg_missing 'HKLM\Software\Classes\Applications\tamrill.exe' || fail "Applications\\tamrill.exe is still there"
reg_missing 'HKLM\Software\Tamrill' || fail "Software\\Tamrill is still there"
expect_value 'HKLM\Software\Classes\.hex' @ Uzivatel.hex
expect_eq "$(cd "$projects" && md5sum ./*)" "$projects_before" "the projects folder"
snapshot after
diff -u "$GUI_WORK/before.snapshot" "$GUI_WORK/after.snapshot" >&2 ||
  fail "the uninstall left the registry or the disk otherwise than they were"
gui_pass
