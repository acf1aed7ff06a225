# shellcheck shell=bash
# shellcheck disable=SC2034  # wine, failures and started_wm are read by the scripts that source this
# Sourced by the tests that show windows: the Wine loader, need_display, fail
# and its count of failures; start_window_manager starts openbox
# on $DISPLAY unless a window manager runs there, and returns once it is
# ready (Wine's message boxes do not end cleanly on a display whose manager
# is still starting, and windows are activated through it); started_wm holds
# the process to end afterwards, or nothing.
# The root window names the manager's check window; a manager that has
# ended leaves the name behind, so the window itself must still be there.
wm_ready() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*$')
    [ -n "$check" ] && xprop -id "$check" >/dev/null 2>&1
}
wine=${VELMO_WINE:-wine}
# Without an X display there is nothing to show a window on: skipped (77).
need_display() {
    if [ -z "${DISPLAY:-}" ]; then
        echo "no X display: run under xvfb-run (scripts/test-windows.sh does)"
        exit 77
    fi
}
# A failed check is counted and said; the script fails at its end.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
started_wm=""
start_window_manager() {
    wm_ready && return 0
    openbox >/dev/null 2>&1 &
    started_wm=$!
    for _ in $(seq 1 40); do
        wm_ready && return 0
        sleep 0.25
    done
}
