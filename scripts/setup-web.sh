#!/usr/bin/env bash
# Installs what building and testing the <cellora-life> element needs: Debian's
# emscripten, chromium and node from apt, and puppeteer-core from npm into
# build-web/node (it drives the system's chromium; no browser is downloaded).
set -euo pipefail
cd "$(dirname "$0")/.."

puppeteer_version=23.11.1
node_dir=build-web/node

packages=()
command -v emcc >/dev/null || packages+=(emscripten)
command -v chromium >/dev/null || packages+=(chromium)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
[ ${#packages[@]} -eq 0 ] || ./scripts/install-packages.sh "${packages[@]}"

installed=$(node -p "require('./$node_dir/node_modules/puppeteer-core/package.json').version" 2>/dev/null || true)
if [ "$installed" != "$puppeteer_version" ]; then
  mkdir -p "$node_dir"
  # Only the DevTools driver: the tests point it at /usr/bin/chromium.
  PUPPETEER_SKIP_DOWNLOAD=1 npm install --prefix "$node_dir" --no-audit --no-fund --loglevel=error \
    "puppeteer-core@$puppeteer_version"
fi
