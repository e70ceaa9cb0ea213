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

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
