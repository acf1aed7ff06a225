#!/usr/bin/env bash
# Resident memory of the running window after start-up:
#   bench/measure-rss.sh BUILD_DIR [SECONDS]
# Starts BUILD_DIR/src/app/qt/velmorandine under the offscreen platform in a
# scratch working directory, waits SECONDS (default 2), reads VmRSS and VmHWM
# from /proc/PID/status, ends the program and compares the peak with 40 MB.
set -euo pipefail

if [ "$#" -lt 1 ] || [ "$#" -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
binary="$(cd "$1" && pwd)/src/app/qt/velmorandine"
wait_s=${2:-2}
limit_kb=$((40 * 1024))
[ -x "$binary" ] || { echo "measure-rss: $binary is missing (build with VELMO_BUILD_GUI=ON)" >&2; exit 2; }

work=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work" "$runtime"
}
trap cleanup EXIT

(cd "$work" && exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$binary" >/dev/null 2>&1) &
pid=$!
sleep "$wait_s"
if ! kill -0 "$pid" 2>/dev/null; then
    echo "measure-rss: velmorandine ended before it could be measured" >&2
    exit 1
fi
rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
hwm_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
awk -v rss="$rss_kb" -v hwm="$hwm_kb" -v limit="$limit_kb" \
    'BEGIN { printf "VmRSS %d kB (%.1f MB), VmHWM %d kB (%.1f MB), limit %d kB\n", rss, rss / 1024, hwm, hwm / 1024, limit }'
if [ "$hwm_kb" -ge "$limit_kb" ]; then
    echo "measure-rss: peak resident memory over 40 MB"
    exit 1
fi
