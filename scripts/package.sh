#!/usr/bin/env bash
# Builds Tamrill for Windows and packs it: build/dist/Tamrill-VERSION-x64.msi (the installer) and
# build/dist/Tamrill-VERSION-x64.zip (the portable folder), VERSION being the project's. Prints
# the two paths.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

"$here/scripts/install.sh"

mkdir -p build/logs build/dist
echo "package.sh: building the windows preset and its packages" >&2
cmake --preset windows >build/logs/package-configure.log 2>&1 ||
  { cat build/logs/package-configure.log >&2; exit 1; }
cmake --build --preset windows --target packages >build/logs/package-build.log 2>&1 ||
  { tail -n 40 build/logs/package-build.log >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
for file in "Tamrill-$version-x64.msi" "Tamrill-$version-x64.zip"; do
  cp "build/windows/dist/$file" "build/dist/$file"
  echo "$here/build/dist/$file"
done
