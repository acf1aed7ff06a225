#!/usr/bin/env bash
# Builds the web edition (the `web` preset) and runs its tests, installing
# what is missing: the core's unit tests and the replay tool against the
# Linux one under node (ctest), then the browser tests in headless Chromium
# against the local server.  VELMO_LINUX_BUILD names the Linux build whose
# replay tool is compared (build/test unless set); the browser tests leave
# their screenshots in build/web/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --web
if [ ! -d node_modules/playwright-core ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund
fi
linux_build=${VELMO_LINUX_BUILD:-build/test}
[ -d "$linux_build" ] || cmake --preset test >/dev/null
cmake --build "$linux_build" --target velmorandine-replay -j"$(nproc)"
linux_replay=$(realpath "$linux_build/tools/replay/velmorandine-replay")

cmake --preset web -DVELMO_LINUX_REPLAY="$linux_replay" >/dev/null
cmake --build --preset web -j"$(nproc)"
ctest --preset web

site=$(realpath build/web/velmorandine-web-*/)
VELMO_WEB_SITE=$site VELMO_LINUX_REPLAY=$linux_replay VELMO_WEB_SCREENSHOTS=$PWD/build/web/screenshots \
    node --test tests/web/browser/*.test.mjs
