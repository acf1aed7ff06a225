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
# The program keeps "Highscores.txt" (and its scratch file) in the directory it
# is started from: start it in a folder of its own, the one the desktop
# entry uses too, so that the scores are the same however it is started.
program="$PWD/build/release/src/app/qt/velmorandine"
data="${XDG_DATA_HOME:-$HOME/.local/share}/velmorandine"
mkdir -p "$data"
cd "$data"
exec "$program"
