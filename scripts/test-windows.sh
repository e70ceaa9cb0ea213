#!/usr/bin/env bash
# Builds Cellora for Windows (the windows preset, into build-windows/) and
# proves it under Wine, headless: the platform's regsvr32, reg, cscript and
# control-hosting window, in a fresh Wine prefix under build-windows/. The
# container's pictures are compared with the Linux build's, so the Linux
# picture tool is built too. Where Wine cannot start, the tests say so and skip.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup-windows.sh
[ -f build/CMakeCache.txt ] || { ./scripts/setup-deps.sh && cmake --preset default; }
cmake --build build --target cellora-picture
cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows -L windows
