#!/usr/bin/env bash
# Sets up, builds the <cellora-life> element (the web preset, build-web/) and
# runs its browser tests; the native pictures and lumafold-gen they compare
# with come from the default build (build/).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup-deps.sh
./scripts/setup-web.sh
cmake --preset default
cmake --build --preset default --target cellora-picture lumafold-gen
cmake --preset web
cmake --build --preset web
ctest --preset web
