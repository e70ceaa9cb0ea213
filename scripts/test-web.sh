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
# CI builds the element with warnings as errors, as it builds everything else.
web_options=()
[ -n "${CI:-}" ] && web_options=(-DWERROR=ON)
cmake --preset web "${web_options[@]}"
cmake --build --preset web
ctest --preset web
