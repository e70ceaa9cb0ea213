#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the whole test suite.
# With --sanitize, builds and tests under AddressSanitizer + UBSan instead.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
[ "${1:-}" = "--sanitize" ] && preset=asan

./scripts/setup-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
