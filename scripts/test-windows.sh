#!/usr/bin/env bash
# Cross-builds the 32-bit Windows programs with mingw-w64 and tests them
# under Wine on a virtual X display (installing what is missing): the core's
# unit tests, the replay tool byte for byte against the Linux build's, the
# real Win32 window driven by clicks, and the zip.  scripts/test.sh runs
# this; it can also run on its own.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

scripts/install-deps.sh --windows
jobs=$(nproc)

# The Linux replay tool that the Windows one must match.
linux_build=${VELMO_LINUX_BUILD:-build/test}
if [ ! -f "$linux_build/CMakeCache.txt" ]; then
    linux_build=build/linux-reference
    cmake -S . -B "$linux_build" -DCMAKE_BUILD_TYPE=Release -DVELMO_BUILD_GUI=OFF -DVELMO_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$linux_build" -j"$jobs" --target velmorandine-replay >/dev/null

echo "== Windows build (mingw-w64, i686)"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVELMO_WERROR=ON -DVELMO_LINUX_REPLAY="$PWD/$linux_build/tools/replay/velmorandine-replay" >/dev/null
cmake --build build/win32 -j"$jobs"

echo "== Windows tests under Wine"
(cd build/win32 && xvfb-run -a -s "-screen 0 1024x768x24" ctest -j"$jobs" --output-on-failure)
echo "Windows build and tests took $(($(date +%s) - started)) s"
