#!/usr/bin/env bash
# compare_replay.sh LINUX_REPLAY WINDOWS_REPLAY SCRIPTS WORK_DIR
# Runs every script of SCRIPTS (a folder of them, or one script) through
# both replay tools, each from
# several start ticks (the last ones just before the 32-bit tick count
# wraps), each in a fresh working directory, and fails unless standard
# output, exit status and the files left behind ("Highscores.txt", and no
# stray scratch files) are the same byte for byte.  A script whose first
# line is "# Highscores.txt: VALUES" starts with that file; one with a line
# "# Practice-log.csv: on" starts with the practice log on (an empty file,
# which the first line logged gives its header) and its wall clock fixed
# by --log-time, so that the log is compared too.  The second tool
# runs through wine_run.sh, or through VELMO_REPLAY_RUN when set (a command
# taking the same TIMEOUT PROGRAM ARGS..., such as tests/web/node_run.sh).
set -uo pipefail
linux=$(realpath "$1") windows=$(realpath "$2") scripts=$(realpath "$3") work=$4
here=$(cd "$(dirname "$0")" && pwd)
run_other=${VELMO_REPLAY_RUN:-$here/wine_run.sh}
ticks=(100000 0 4294967000 4294967290)

rm -rf "$work"
mkdir -p "$work"
runs=0 failures=0
if [ -d "$scripts" ]; then
    list=("$scripts"/*.txt)
else
    list=("$scripts")
fi
for script in "${list[@]}"; do
    name=$(basename "$script" .txt)
    seed=$(sed -n '1s/^# Highscores.txt: //p' "$script")
    options=(--tick)
    grep -qx '# Practice-log.csv: on' "$script" && options=(--log-time 2026-12-09T14:03:27.412+01:00 --tick)
    for tick in "${ticks[@]}"; do
        for side in linux windows; do
            dir="$work/$name-$tick/$side"
            mkdir -p "$dir"
            [ -n "$seed" ] && printf '%s ' $seed >"$dir/Highscores.txt"
            [ "${#options[@]}" -gt 1 ] && : >"$dir/Practice-log.csv"
            if [ "$side" = linux ]; then
                (cd "$dir" && "$linux" "${options[@]}" "$tick" "$script" >../$side.out 2>../$side.err)
            else
                (cd "$dir" && "$run_other" 60 "$windows" "${options[@]}" "$tick" "$script" >../$side.out 2>../$side.err)
            fi
            echo "exit $?" >>"$work/$name-$tick/$side.out"
        done
        runs=$((runs + 1))
        pair="$work/$name-$tick"
        if ! cmp -s "$pair/linux.out" "$pair/windows.out"; then
            echo "FAIL $name --tick $tick: the output differs"
            diff "$pair/linux.out" "$pair/windows.out" | head -5
            failures=$((failures + 1))
        elif ! diff -r "$pair/linux" "$pair/windows" >/dev/null; then
            echo "FAIL $name --tick $tick: the files left behind differ"
            diff -r "$pair/linux" "$pair/windows" | head -5
            failures=$((failures + 1))
        elif [ "$(wc -l <"$pair/linux.out")" -lt 2 ]; then
            echo "FAIL $name --tick $tick: no output at all"
            failures=$((failures + 1))
        fi
        grep -h "retrying" "$pair/windows.err" || true
    done
done
echo "$runs runs compared, $failures differ"
[ "$failures" -eq 0 ]
