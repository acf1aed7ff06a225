#!/usr/bin/env bash
# wine_run.sh SECONDS PROGRAM [ARG...]: runs a Windows program under Wine with
# a time limit, and passes on its output once it has ended.  A run is made
# again, and this is said on standard error, where it timed out (once: a rare
# Wine run hangs until killed) or where Wine could not start the program at
# all (up to twice: on a fresh prefix Wine's start.exe now and then answers
# "ShellExecuteEx failed: Internal error.", which must not pass for the
# program's output).  Standard input is not replayed on a retry, so pass
# scripts as files.  $VELMO_WINE is the Wine loader to use; plain "wine" when
# unset.
set -uo pipefail
limit=$1
shift
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
for attempt in 1 2 3; do
    timeout --kill-after=5 "$limit" "${VELMO_WINE:-wine}" "$@" >"$out" 2>"$err"
    status=$?
    # 124: timed out; 137: killed after the grace period.
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        [ "$attempt" -eq 1 ] || break
        echo "wine_run: $(basename "$1") timed out after ${limit}s; retrying once" >&2
    elif grep -qF "ShellExecuteEx failed" "$out" "$err"; then
        [ "$attempt" -lt 3 ] || break
        echo "wine_run: Wine could not start $(basename "$1"); retrying" >&2
        sleep 1
    else
        break
    fi
done
cat "$out"
cat "$err" >&2
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "wine_run: $(basename "$1") timed out again" >&2
fi
exit "$status"
