#!/usr/bin/env bash
# Builds Velmorandine (installing what is missing) and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake make g++ qt6-base-dev libgl-dev
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELMO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target velmorandine

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display to show the window on: run this from a desktop session, or headless as 'xvfb-run -a scripts/run.sh' (apt-get install xvfb)." >&2
    exit 1
fi
# The program keeps "Highscores.txt" in the directory it is started from.
exec build/release/src/app/qt/velmorandine
