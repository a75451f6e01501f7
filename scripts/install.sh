#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Tamrill: the native and
# MinGW-w64 compilers, GoogleTest, Wine with Xvfb for running and the GUI tests, the tools the
# tests use, and what packs the MSI and the zip. Packages already there are skipped; running it again changes nothing.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev        # native build and tests
  g++-mingw-w64-x86-64-posix mingw-w64-tools    # the Windows build
  wine wine64 fonts-wine                        # running it
  fonts-freefont-ttf                            # the prefix's stand-in for "MS Sans Serif"
  xvfb xdotool imagemagick                      # GUI tests and screenshots
  as31                                          # a second 8051 assembler for the assembler's tests
  clang libclang-rt-14-dev                      # the fuzz targets
  clang-format                                  # the format check
  python3                                       # the picture generator, the MSI's texts
  wixl msitools zip unzip                       # the MSI and the portable zip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install.sh: run as root to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
echo "install.sh: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
