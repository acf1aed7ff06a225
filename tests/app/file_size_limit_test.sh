#!/usr/bin/env bash
# Starts the window program under a two-byte file-size limit, in an empty
# folder: the ten zeros of a new "Highscores.txt" do not fit, and the write
# must fail rather than end the program with SIGXFSZ.  The program is still
# running after a few seconds (ended by timeout, status 124).
#
#   file_size_limit_test.sh PROGRAM
set -uo pipefail
program=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
QT_QPA_PLATFORM=offscreen timeout 4 prlimit --fsize=2 -- "$program" >program.log 2>&1
status=$?
[ "$status" -eq 124 ] && { echo "still running under the limit"; exit 0; }
echo "FAIL: the program ended with status $status under a file-size limit: $(cat program.log)" >&2
exit 1
