#!/usr/bin/env bash
# The real program on a real X server of the given size under a window
# manager, at twice the scale and at an 18-point desktop font: the window,
# frame included, lies wholly inside the screen's work area, in the server's
# own pixels.  Then the window test screen_fit_test runs on the same server,
# at both scales, for the layout checks at the size the window chose.
# A capture of each window is kept as real_x_screen_fit_SIZE_CASE.png.
#
#   real_x_screen_fit_test.sh WIDTHxHEIGHT PROGRAM SCREEN_FIT_TEST
set -euo pipefail
size=$1
program=$(realpath "$2")
fit_test=$(realpath "$3")

source "$(dirname "$0")/real_x_session.sh"
need_tools xdotool xwininfo xprop import
start_x_session "$size"

# The desktop font as a KDE desktop sets it, which Qt reads by itself.
mkdir -p "$scratch/config" "$scratch/work"
printf '[General]\nfont=DejaVu Sans,18,-1,5,50,0,0,0,0,0\n' >"$scratch/config/kdeglobals"
font18=(XDG_CONFIG_HOME="$scratch/config" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5)

read -r area_x area_y area_w area_h < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)

# Prints the window's frame as "x y width height" once the window manager has framed it.
framed_window() {
    local extents info
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$') || return 1
    [ -n "$extents" ] || return 1
    info=$(xwininfo -id "$1")
    awk -v e="$extents" '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { split(e, m, ","); print x - m[1], y - m[3], w + m[1] + m[2], h + m[3] + m[4] }' <<<"$info"
}

check_case() {
    local name=$1 pid window frame
    shift
    (cd "$scratch/work" && exec env QT_QPA_PLATFORM=xcb "$@" "$program" >"$scratch/program.log" 2>&1) &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmorandine$' | head -n 1) ||
        fail "$name: the window did not appear: $(cat "$scratch/program.log")"
    wait_for 10 framed_window "$window" >/dev/null || fail "$name: the window manager did not frame the window"
    sleep 1 # the window fits itself again once its frame is known
    frame=$(framed_window "$window")
    import -window root "$PWD/real_x_screen_fit_${size}_$name.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    read -r x y w h <<<"$frame"
    echo "$name on $size: window with frame at $x,$y, $w x $h; work area $area_x,$area_y, $area_w x $area_h"
    ((x >= area_x && y >= area_y && x + w <= area_x + area_w && y + h <= area_y + area_h)) ||
        fail "$name: the window leaves the screen"
}
check_case scale2 QT_SCALE_FACTOR=2
check_case font18 "${font18[@]}"

# Under LeakSanitizer, D-Bus's own leak is not the window's.
export LSAN_OPTIONS="suppressions=$(realpath "$(dirname "$0")")/lsan_system_libraries.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for scale in 1 2; do
    (cd "$scratch/work" && QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$fit_test") ||
        fail "screen_fit_test at scale $scale on $size"
done
