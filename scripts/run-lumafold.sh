#!/usr/bin/env bash
# Sets up a fresh machine, builds Lumafold and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup-deps.sh
cmake --preset default
cmake --build --preset default --target lumafold
exec ./build/packer/ui/lumafold "$@"
