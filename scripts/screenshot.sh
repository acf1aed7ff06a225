#!/usr/bin/env bash
# Renders the real window off screen into docs/velmorandine.png (and a 2x
# companion), with a few panels in use, for the README.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake make g++ qt6-base-dev libgl-dev
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELMO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target velmorandine-screenshot
source scripts/common.sh
velmo_runtime_dir
mkdir -p docs
# Range practice dealt, an equity situation, a tournament situation, a fold
# situation, a tilt question and a preflop situation answered.
presses=(--press 1003 --press 1003 --press 1014 --press 1032 --press 1024 --press 1007 --press 1042 --press 1028)
build/release/tools/screenshot/velmorandine-screenshot docs/velmorandine.png "${presses[@]}"
build/release/tools/screenshot/velmorandine-screenshot docs/velmorandine@2x.png --scale 2 "${presses[@]}"
echo "wrote docs/velmorandine.png and docs/velmorandine@2x.png"
