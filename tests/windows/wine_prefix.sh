#!/usr/bin/env bash
# wine_prefix.sh start|stop: the Wine prefix of the Windows tests ($WINEPREFIX).
# start: creates the prefix once, with Wine's own fonts copied in (Debian's
# Wine does not put them into a new prefix, and "MS Sans Serif" would fall
# back to another font), then starts a persistent wineserver so that the
# many short Wine runs that follow do not each pay for a cold start.
# stop: ends that wineserver.
# $VELMO_WINE is the Wine loader to use (the build's ctest sets it: 64-bit
# Wine for the 64-bit build); plain "wine" when unset.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
wine=${VELMO_WINE:-wine}
case "${1:-}" in
start)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix $WINEPREFIX"
        timeout 180 "$wine" wineboot --init </dev/null >/dev/null 2>&1
        timeout 60 wineserver --wait
    fi
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/*; do
        [ -e "$fonts/$(basename "$font")" ] || cp "$font" "$fonts/"
    done
    # Returns at once, and fails harmlessly when a server is already up; it
    # must not hold the caller's output open (ctest waits for it to close).
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # The first program of a Wine session starts Wine's own services, which
    # stay as long as the server and keep the output they inherited open;
    # start them here, detached from the tests' output.
    timeout 60 "$wine" wineboot </dev/null >/dev/null 2>&1 || true
    ;;
stop)
    wineserver -k || true
    ;;
*)
    echo "usage: wine_prefix.sh start|stop" >&2
    exit 2
    ;;
esac
