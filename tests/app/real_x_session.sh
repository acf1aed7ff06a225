# Shared by the real-X tests (sourced): a virtual X server (Xvfb) with a
# window manager (openbox), cleaned up on exit.  Exits 77 (skipped) where
# Xvfb or openbox is not installed, 1 where another tool is missing.
#
#   source real_x_session.sh; need_tools xdotool ...; start_x_session 1280x1024

scratch=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs a condition every 0.2 s until it holds or the seconds run out.
wait_for() {
    local seconds=$1
    shift
    for ((n = 0; n < seconds * 5; n++)); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
need_tools() {
    for tool in Xvfb openbox; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
    done
}
# Starts Xvfb with one screen of the given size and openbox on it; exports DISPLAY.
start_x_session() {
    # Xvfb picks a free display itself and writes its number.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
    pids+=($!)
    wait_for 20 test -s "$scratch/display" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$scratch/display")"
    export XAUTHORITY=/dev/null
    openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        fail "openbox did not start: $(cat "$scratch/openbox.log")"
}
