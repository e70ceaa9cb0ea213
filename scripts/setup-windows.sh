#!/usr/bin/env bash
# Installs what the Windows build and its tests under Wine need, from Debian's
# packages: the mingw-w64 cross compiler and widl, Wine, Xvfb and ImageMagick.
# Safe to run again: apt-get skips what is present.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64
  xvfb xauth imagemagick
)

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
