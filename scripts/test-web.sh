#!/usr/bin/env bash
# Builds the web edition (the `web` preset) and runs its tests, installing
# what is missing: the core's unit tests and the replay tool against the
# Linux one under node (ctest), then the browser tests in headless Chromium
# against the local server.  VELMO_LINUX_BUILD names the Linux build whose
# replay tool is compared (scripts/common.sh); the browser tests leave
# their screenshots in build/web/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --web
if [ ! -d node_modules/playwright-core ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund
fi
source scripts/common.sh
linux_replay=$(velmo_reference_replay)

cmake --preset web -DVELMO_LINUX_REPLAY="$linux_replay" >/dev/null
cmake --build --preset web -j"$(nproc)"
ctest --preset web

VELMO_WEB_SITE=$(velmo_web_site) VELMO_LINUX_REPLAY=$linux_replay VELMO_WEB_SCREENSHOTS=$PWD/build/web/screenshots \
    node --test tests/web/browser/*.test.mjs
