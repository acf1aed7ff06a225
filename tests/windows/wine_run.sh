#!/usr/bin/env bash
# wine_run.sh SECONDS PROGRAM [ARG...]: runs a Windows program under Wine with
# a time limit.  A run that times out is retried once, and the retry is said
# on standard error (a rare Wine run hangs until killed).  Standard input is
# not replayed on a retry, so pass scripts as files.  $VELMO_WINE is the Wine
# loader to use; plain "wine" when unset.
set -uo pipefail
limit=$1
shift
for attempt in 1 2; do
    timeout --kill-after=5 "$limit" "${VELMO_WINE:-wine}" "$@"
    status=$?
    # 124: timed out; 137: killed after the grace period.
    if [ "$status" -ne 124 ] && [ "$status" -ne 137 ]; then
        exit "$status"
    fi
    if [ "$attempt" -eq 1 ]; then
        echo "wine_run: $(basename "$1") timed out after ${limit}s; retrying once" >&2
    fi
done
echo "wine_run: $(basename "$1") timed out again" >&2
exit "$status"
