#!/usr/bin/env bash
# Lays out Tamrill's program folder and packs it twice: an MSI (wixl) and a portable zip.
#
#   packaging/make_packages.sh BIN-DIR OUT-DIR VERSION
#
# BIN-DIR holds the Windows build's tamrill.exe, asm51.exe, mod51 and mod52. Writes
# OUT-DIR/Tamrill-VERSION-x64.msi and OUT-DIR/Tamrill-VERSION-x64.zip; the zip holds one folder,
# Tamrill-VERSION, laid out like the installed program. VERSION is the project's, unless a test
# builds a package of a later version on purpose.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 BIN-DIR OUT-DIR VERSION" >&2; exit 2; }
bin=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
name=Tamrill-$version
export LC_ALL=C.UTF-8

[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "make_packages: bad version '$version'" >&2; exit 2; }
for tool in wixl msibuild zip; do
  command -v "$tool" >/dev/null || { echo "make_packages: no $tool: run scripts/install.sh" >&2; exit 1; }
done

# The program folder, as installed and as unpacked from the zip.
work=$(mktemp -d "$out/.stage.XXXXXX")
trap 'rm -rf "$work"' EXIT
stage=$work/$name
mkdir -p "$stage/priklady"
for file in tamrill.exe asm51.exe mod51 mod52; do
  [ -f "$bin/$file" ] || { echo "make_packages: no $bin/$file: build the windows preset" >&2; exit 1; }
  cp "$bin/$file" "$stage/"
done
# The assembler is linked without stripping; the package need not carry its symbols.
strip=$(command -v x86_64-w64-mingw32-strip || true)
if [ -n "$strip" ]; then "$strip" --strip-unneeded "$stage/asm51.exe"; fi
cp "$source_dir"/examples/*.asm "$stage/priklady/"
# The read-me opens in Notepad: Windows line ends, and a byte-order mark so that its Czech
# letters show right whatever the system's code page.
{
  printf '\xef\xbb\xbf'
  sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$here/ctimne.txt.in"
} >"$stage/ctimne.txt"

# The package lists its files one by one: an example it does not name would be left out.
for example in "$stage"/priklady/*.asm; do
  grep -q "priklady/$(basename "$example")\"" "$here/tamrill.wxs" ||
    { echo "make_packages: tamrill.wxs does not list priklady/$(basename "$example")" >&2; exit 1; }
done

msi=$out/$name-x64.msi
zip=$out/$name-x64.zip
rm -f "$msi" "$zip"

# wixl finds files only by paths relative to the folder it runs in, and cannot be trusted with
# letters outside ASCII: the Czech texts go in as tokens and are put back into the tables after.
cp "$source_dir/tools/art/tamrill.ico" "$work/"
python3 "$here/msi_text.py" mask "$here/tamrill.wxs" "$work/tamrill.wxs" "$work/texts.tsv"
(cd "$work" && wixl --arch x64 -o "$msi" -D Version="$version" -D Stage="$name" -D Art=. \
  tamrill.wxs 2>"$work/wixl.log") || { cat "$work/wixl.log" >&2; exit 1; }

# The database's code page first, so that every text imported after it is stored in 1250.
idt=$work/idt
mkdir -p "$idt/Icon"
printf '\r\n\r\n1250\t_ForceCodepage\r\n' >"$idt/_ForceCodepage.idt"
msibuild "$msi" -i "$idt/_ForceCodepage.idt"
# An export writes a table's binary streams into a folder of the current one: keep them in $idt.
tables=$(msiinfo tables "$msi")
for table in $tables; do
  case $table in _*) continue ;; esac
  (cd "$idt" && msiinfo export "$msi" "$table" >"$table.raw")
  if grep -q '@@TEXT' "$idt/$table.raw"; then
    python3 "$here/msi_text.py" unmask "$idt/$table.raw" "$idt/$table.idt" "$work/texts.tsv"
    msibuild "$msi" -i "$idt/$table.idt"
  fi
done
# wixl leaves the icon table empty; the shortcut and the uninstall entry take their icon there.
cp "$source_dir/tools/art/tamrill.ico" "$idt/Icon/tamrill.ico"
printf 'Name\tData\r\ns72\tv0\r\nIcon\tName\r\ntamrill.ico\ttamrill.ico\r\n' >"$idt/Icon.idt"
(cd "$idt" && msibuild "$msi" -i Icon.idt)
# The summary's author is the package's manufacturer, which wixl only had as a token.
publisher=$(sed -n 's/.*Manufacturer="\([^"]*\)".*/\1/p' "$here/tamrill.wxs" | head -n 1)
msibuild "$msi" -s "Tamrill $version" "$publisher" "x64;1029"
if msiinfo suminfo "$msi" | grep -q '@@TEXT'; then
  echo "make_packages: a token is left in the summary information" >&2; exit 1
fi

(cd "$work" && zip -q -r -X "$zip" "$name")
echo "$msi"
echo "$zip"
