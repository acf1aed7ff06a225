#!/usr/bin/env bash
# msi_test.sh MSI WXS WIXL PROBE_EXE WORK_DIR
# The per-user installer under 64-bit Wine, on the X display in $DISPLAY:
# an older version (built here from the same WXS as 0.9.0) installs the
# programs, the data folder and the Start-menu shortcut, whose working folder
# is the data folder; the program started from the shortcut writes
# Highscores.txt there; MSI installed over it replaces the programs and keeps
# the scores; uninstalling removes programs and shortcut and keeps the scores.
# Exits 77 (skipped) without a display.
set -uo pipefail
msi=$(realpath "$1") wxs=$(realpath "$2") wixl=$3 probe=$(realpath "$4") work=$5
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/windows/window_manager.sh
. "$here/window_manager.sh"
need_display
# wine_answer PATTERN PROGRAM [ARG...]: what a short Wine run prints, if it
# matches PATTERN: anything else (a message of Wine's) must not pass for a
# path.
wine_answer() {
    local pattern=$1 answer
    shift
    answer=$("$here/wine_run.sh" 30 "$@" | tr -d '\r')
    if [[ ! $answer =~ $pattern ]]; then
        echo "FAIL: Wine's $1 ${*:2} printed \"$answer\"" >&2
        return 1
    fi
    printf '%s\n' "$answer"
}
windows_folder() { wine_answer '^[A-Za-z]:\\[^[:cntrl:]]*$' cmd /c echo "%$1%"; }
unix_path() { wine_answer '^/[^[:cntrl:]]*$' winepath -u "$1"; }
msiexec() { "$here/wine_run.sh" 120 msiexec "$@" /qn; }

start_window_manager
trap '[ -n "$started_wm" ] && kill "$started_wm" 2>/dev/null' EXIT

rm -rf "$work"
mkdir -p "$work"
# The older version: the same files, a lower version, a product code of its own.
(cd "$(dirname "$msi")/packaging/windows/msi-files" &&
    "$wixl" -a x64 -D Version=0.9.0 -o "$work/older.msi" "$wxs") || fail "cannot build the older installer"

# Without these paths nothing below means anything (and rm -rf must not run
# on an empty one).
appdata=$(windows_folder APPDATA) || exit 1
local_appdata=$(windows_folder LOCALAPPDATA) || exit 1
data_windows="$appdata\\Velmorandine"
shortcut_windows="$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Velmorandine.lnk"
data=$(unix_path "$data_windows") || exit 1
programs=$(unix_path "$local_appdata\\Programs\\Velmorandine") || exit 1
shortcut=$(unix_path "$shortcut_windows") || exit 1
rm -rf "$data" "$programs" "$shortcut"

msiexec /i "$work/older.msi" || fail "msiexec /i older.msi failed"
for file in velmorandine.exe velmorandine-replay.exe README.md LICENSE; do
    [ -f "$programs/$file" ] || fail "$programs/$file is not installed"
done
[ -d "$data" ] || fail "no data folder $data"
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
# The shortcut's working folder, a UTF-16 string in the .lnk.
strings -el "$shortcut" | grep -qF "$data_windows\\" || fail "the shortcut's working folder is not $data_windows"

# Started from the shortcut, SCORES writes Highscores.txt in the data folder.
"$here/wine_run.sh" 30 start "$shortcut_windows" >/dev/null 2>&1
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmorandine$' 2>/dev/null | head -1)
if [ -n "$window" ]; then
    # shellcheck disable=SC2046
    xdotool mousemove --sync $("$here/wine_run.sh" 30 "$probe" center 1028) click 1
    for _ in $(seq 1 40); do
        [ -f "$data/Highscores.txt" ] && break
        sleep 0.25
    done
    # Escape, once the window is active; again should the first be lost.
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$window" 2>/dev/null
        xdotool key Escape
        for _ in $(seq 1 20); do
            xdotool search --onlyvisible --name '^Velmorandine$' >/dev/null 2>&1 || break 2
            sleep 0.25
        done
    done
    # A program still running would hold its file against the upgrade.
    if xdotool search --onlyvisible --name '^Velmorandine$' >/dev/null 2>&1; then
        fail "Escape did not end the program"
        "$wine" taskkill /f /im velmorandine.exe >/dev/null 2>&1
    fi
else
    fail "the shortcut did not start the window"
fi
[ "$(cat "$data/Highscores.txt" 2>/dev/null)" = "0 0 0 0 0 0 0 0 0 0 " ] ||
    fail "Highscores.txt in the data folder holds \"$(cat "$data/Highscores.txt" 2>/dev/null)\""
printf '1 2 3 4 5 6 7 8 9 10 ' >"$data/Highscores.txt"

msiexec /i "$msi" || fail "msiexec /i over the older version failed"
[ -f "$programs/velmorandine.exe" ] || fail "the upgrade left no velmorandine.exe"
[ "$(cat "$data/Highscores.txt")" = "1 2 3 4 5 6 7 8 9 10 " ] || fail "the upgrade changed Highscores.txt"

# Had the upgrade left the older product installed, it would still hold
# the shared components, and their files would stay.
msiexec /x "$msi" || fail "msiexec /x failed"
[ -e "$programs/velmorandine.exe" ] && fail "uninstalling left $programs/velmorandine.exe"
[ -e "$shortcut" ] && fail "uninstalling left the shortcut"
[ "$(cat "$data/Highscores.txt" 2>/dev/null)" = "1 2 3 4 5 6 7 8 9 10 " ] || fail "uninstalling touched Highscores.txt"

[ "$failures" -eq 0 ] && echo "installer test passed"
[ "$failures" -eq 0 ]
