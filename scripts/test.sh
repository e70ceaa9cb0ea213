#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the whole test suite.
# With --sanitize, builds and tests under AddressSanitizer + UBSan instead;
# with --preset NAME, any preset of CMakePresets.json (nogui, windows, ...).
# WERROR=ON in the environment turns warnings into errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
case "${1:-}" in
  "") ;;
  --sanitize) preset=asan ;;
  --preset) preset="${2:?--preset needs a name}" ;;
  *) echo "usage: $0 [--sanitize | --preset NAME]" >&2; exit 2 ;;
esac

./scripts/setup-deps.sh
cmake --preset "$preset" ${WERROR:+"-DWERROR=$WERROR"}
cmake --build --preset "$preset"
ctest --preset "$preset"
