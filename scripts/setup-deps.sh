#!/usr/bin/env bash
# Installs what building, running and testing Lumafold and Cellora need,
# from Debian's packages. Safe to run again: apt-get skips what is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  clang libclang-rt-14-dev
  fonts-liberation poppler-utils xxd
  xvfb xauth imagemagick
  locales
)

# With --packaging, also what making and checking the Debian packages needs.
if [ "${1:-}" = "--packaging" ]; then
  packages+=(dpkg-dev lintian desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl)
fi

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
