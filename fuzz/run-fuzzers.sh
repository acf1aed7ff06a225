#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: fuzz/run-fuzzers.sh BUILD_DIR [SECONDS]
#
# Each target starts from its seed corpus in fuzz/corpus/<target>/, copied to
# a scratch folder so that the inputs it finds never land in the repository.
# A crash, a failed check or a sanitizer report fails the run; the input that
# caused it is kept in BUILD_DIR/fuzz-artifacts/ and its reproducer printed.
set -euo pipefail

if [ "$#" -lt 1 ] || [ "$#" -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
# The targets the build made, as fuzz/CMakeLists.txt lists them.
mapfile -t targets <"$build/fuzz/fuzz-targets.txt"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

failed=()
for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    if [ ! -x "$binary" ]; then
        echo "run-fuzzers: $binary is missing (build with -DVELMO_BUILD_FUZZ=ON)" >&2
        exit 2
    fi
    rm -f "$artifacts/$target"-*
    corpus="$scratch/$target"
    mkdir -p "$corpus"
    cp -r "$here/corpus/$target/." "$corpus/"
    echo "== $target for ${seconds}s"
    status=0
    (cd "$scratch" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$corpus" >"$scratch/$target.log" 2>&1) || status=$?
    tail -n 15 "$scratch/$target.log"
    if [ "$status" -ne 0 ]; then
        echo "run-fuzzers: $target FAILED (status $status); reproduce with:"
        for input in "$artifacts/$target"-*; do
            [ -e "$input" ] && echo "    $binary $input"
        done
        failed+=("$target")
    fi
done

if [ "${#failed[@]}" -gt 0 ]; then
    echo "run-fuzzers: failures in ${failed[*]}" >&2
    exit 1
fi
echo "run-fuzzers: no crash in ${targets[*]}"
