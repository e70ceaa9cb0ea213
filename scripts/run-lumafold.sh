#!/usr/bin/env bash
# Sets up a fresh machine, builds Lumafold and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup-deps.sh
cmake --preset default
cmake --build --preset default --target lumafold
# The file browser opens at the current directory: start beside the example site.
cd examples/site
exec ../../build/packer/ui/lumafold "$@"
