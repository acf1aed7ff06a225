#!/usr/bin/env bash
# Builds Velmorandine and runs every test headless (installing what is
# missing): the whole suite in a normal build with warnings as errors, the
# Windows build and its tests under Wine, the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
jobs=2

echo "== build and test"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release -DVELMO_WERROR=ON -DVELMO_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j"$jobs"
(cd build/test && ctest -j"$jobs" --output-on-failure)

echo "== Windows build and tests under Wine"
VELMO_LINUX_BUILD=build/test scripts/test-windows.sh

echo "== build and test under ASan+UBSan"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVELMO_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$jobs"
(cd build/asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -j"$jobs" --output-on-failure)

if [ -f fuzz/CMakeLists.txt ]; then
    echo "== fuzz"
    CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DVELMO_BUILD_FUZZ=ON -DVELMO_BUILD_GUI=OFF \
        -DVELMO_BUILD_TESTS=OFF >/dev/null
    cmake --build build/fuzz -j"$jobs"
    fuzz/run-fuzzers.sh build/fuzz "${VELMO_FUZZ_SECONDS:-30}"
fi
echo "All tests passed."
