#!/usr/bin/env bash
# Cross-builds the Windows programs with mingw-w64, 32-bit (i686) and 64-bit
# (x86_64), both with warnings as errors, checks both zips and both builds'
# resources (manifest, version, icon), checks that the 32-bit objects use no
# x87 arithmetic, builds the 64-bit installer, and tests the builds under Wine
# on a virtual X display (installing what is missing):
# the core's unit tests, the replay tool byte for byte against the Linux
# build's, the real Win32 window at 96, 144 and 192 DPI (at 96 driven by
# clicks), and with the x86_64 build the installer.  scripts/test.sh runs
# this; it can also run on its own.
#
# Which builds run under Wine: both where this machine runs 32-bit programs;
# where it does not (a kernel without IA-32 emulation: 32-bit Wine's loader
# itself fails with "Exec format error"), or where 32-bit Wine could not be
# installed, the x86_64 one only.  The last
# lines say which and why.
# VELMO_REQUIRE_WIN32_RUN=1 makes a machine without 32-bit programs a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

scripts/install-deps.sh --windows
jobs=$(nproc)

# The one probe: Debian's 32-bit Wine loader starts, or the kernel refuses it.
# (Kernel configuration and command line are no guide: they may say IA-32
# emulation is on where it is not.)
# VELMO_WINE32_PROBE names another loader to probe, e.g. /bin/false to take
# the other path on a machine that does run them.
# Where Debian's i386 packages could not be installed (install-deps.sh says
# so), there is no 32-bit loader to probe, and the same path is taken.
wine32_loader=${VELMO_WINE32_PROBE:-/usr/lib/wine/wine}
if "$wine32_loader" --version >/dev/null 2>&1; then
    runs32=yes
else
    runs32=no
    if [ -e "$wine32_loader" ]; then
        why32="this kernel runs no 32-bit programs"
    else
        why32="32-bit Wine is not installed ($wine32_loader is missing)"
    fi
    if [ "${VELMO_REQUIRE_WIN32_RUN:-0}" = 1 ]; then
        echo "FAIL: VELMO_REQUIRE_WIN32_RUN=1, but $why32, so the i686 build cannot run under Wine" >&2
        exit 1
    fi
fi

# The Linux replay tool that the Windows one must match.
source scripts/common.sh
linux_replay=$(velmo_reference_replay)

# build FLAVOUR TOOLCHAIN: configures and builds build/FLAVOUR.
build() {
    echo "== Windows build $1 (mingw-w64, $2)"
    cmake -S . -B "build/$1" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-mingw-$2.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DVELMO_WERROR=ON -DVELMO_LINUX_REPLAY="$linux_replay" >/dev/null
    nice cmake --build "build/$1" -j"$jobs"
}
# under_wine FLAVOUR: every test of build/FLAVOUR, on a virtual X display.
under_wine() {
    echo "== $1 tests under Wine"
    (cd "build/$1" && xvfb-run -a -s "-screen 0 1024x768x24" ctest -j"$jobs" --output-on-failure)
}
# packages_only FLAVOUR: the tests of build/FLAVOUR that need no Wine.
packages_only() {
    echo "== $1 package checks (not under Wine)"
    (cd "build/$1" && ctest -j"$jobs" --output-on-failure -LE wine)
}

build win32 i686
build win64 x86_64
# The x86_64 build runs under 64-bit Wine on every machine (its installer
# test included); the i686 build runs under 32-bit Wine only where the kernel
# runs 32-bit programs, and is otherwise checked without Wine: its zip, its
# resources and its objects' floating point (no_x87_arithmetic).
if [ "$runs32" = yes ]; then
    under_wine win32
    under_wine win64
    summary=("i686: built, zip and resources checked, no x87 arithmetic, tested under 32-bit Wine"
        "x86_64: built, zip and resources checked, tested under 64-bit Wine, installer included")
else
    packages_only win32
    under_wine win64
    summary=("i686: built, zip and resources checked, no x87 arithmetic; not run under Wine: $why32"
        "x86_64: built, zip and resources checked, tested under 64-bit Wine, installer included")
fi
echo "Windows builds and tests took $(($(date +%s) - started)) s"
printf '%s\n' "${summary[@]}"
