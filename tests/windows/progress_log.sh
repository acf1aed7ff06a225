#!/usr/bin/env bash
# progress_log.sh: prints a practice log of a few weeks' sessions ending
# about now, for the Progress window's tests and screenshots: five Preflop
# sessions, three of Tournaments, two of RE/Odds, Manual Range Practice's
# and Patience's Done, How to fold presses.  The times count back from the
# moment it runs, so that every session lies in the last 30 days and the
# last three in the last 7 (their order and numbers are fixed).
set -euo pipefail
now=$(date +%s)
header='format,time,panel,event,situation,right answer,given answer,correct,response time (ms),points,situation number,score,highscore,tilt level'
echo "$header"
# at DAYS MINUTES: the log's time DAYS days and MINUTES minutes ago.
at() { date -d "@$((now - $1 * 86400 - $2 * 60))" +%Y-%m-%dT%H:%M:%S.000%:z; }
situations=("You are in HJ with As8h." "\"You are in BB facing SB 2x open, with 2cTh\"" "BU opens 2x BB. You are in SB with: AhKd"
    "\"You are in CO, open/defend? with Ks8c.\"" "\"You are in SB, open/defend? with: AdKs\"" "\"You are in the HJ, with 7d7h\""
    "\"BU opens 2,5x BB, folds to you in BB with: 3d3s\"" "\"You are in BU, open/defend? with: 2c2h\"" "You are in UTG with QcJc."
    "\"You are in CO, open/defend? with: 9s9d\"")
rights=(Fold Fold 3b Fold "\"Open, 4b\"" Open Call "\"Open, fold to 3b\"" Open "\"Open, call 3b\"")
# session PANEL DAYS SCORE HIGHSCORE WRONG...: ten answers (the numbers
# WRONG given as Fold) and the session's end.
session() {
    local panel=$1 days=$2 score=$3 high=$4
    shift 4
    local n right given correct points
    for n in $(seq 1 10); do
        right=${rights[n - 1]} given=$right correct=yes points=10
        if [[ " $* " == *" $n "* ]]; then
            given=Fold correct=no points=-1
            [ "$right" = Fold ] && given=Call
        fi
        echo "1,$(at "$days" $((40 - 2 * n))),$panel,answer,${situations[n - 1]},$right,$given,$correct,$((600 + 150 * n + 40 * days)),$points,$n,,,"
    done
    echo "1,$(at "$days" 19),$panel,session-end,,,,,,,,$score,$high,"
}
session preflop 12 12 yes 2 5 7 9
session preflop 9 25 yes 2 7
session preflop 6 18 no 2 5 9
session tournament 5 40 yes 3
session preflop 3 41 yes 7
session tournament 2 35 no 3 8
session odds 2 3900 yes 4 6
session preflop 1 33 no 2 9
session tournament 1 52 yes 8
session odds 0 4251 yes 6
for days in 20 5 2; do
    echo "1,$(at "$days" 5),range,done,,,,,,,,$((30 - days)),no,"
done
echo "1,$(at 4 3),patience,done,,,,,,,,7,yes,"
echo "1,$(at 1 3),patience,done,,,,,,,,9,yes,"
echo "1,$(at 0 2),fold,press,,,,,,1,,1,,"
