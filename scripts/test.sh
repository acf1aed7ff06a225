#!/usr/bin/env bash
# Builds Velmorandine and runs every test headless (installing what is
# missing): the formatting check, the whole suite in a normal build with
# warnings as errors, the Windows build and its tests under Wine, the web
# build and its tests under node and headless Chromium, the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# fuzz targets for a bounded time.  The three Linux builds are the presets of
# CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
source scripts/common.sh
velmo_runtime_dir
jobs=$(nproc)

echo "== formatting"
scripts/check-format.sh

echo "== build and test"
cmake --preset test >/dev/null
cmake --build --preset test -j"$jobs"
ctest --preset test -j"$jobs"

echo "== Windows build and tests under Wine"
VELMO_LINUX_BUILD=build/test scripts/test-windows.sh

echo "== web build and tests under node and headless Chromium"
VELMO_LINUX_BUILD=build/test scripts/test-web.sh

echo "== build and test under ASan+UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
fuzz/run-fuzzers.sh build/fuzz "${VELMO_FUZZ_SECONDS:-30}"
echo "All tests passed."
