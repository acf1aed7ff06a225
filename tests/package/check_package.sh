#!/usr/bin/env bash
# Builds the .deb with CPack, unpacks it into a scratch root, and checks that
# every file is there, that the dependencies are Debian's Qt 6 runtime, that
# velmorandine-replay runs from it, and that the desktop entry and the
# metainfo validate (where Debian's validators are installed).
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack could not build the package"
deb=$(ls "$scratch"/out/*.deb | head -n 1)
[ -f "$deb" ] || fail "no .deb was written"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
id=net.velmorandine.Velmorandine
files=(usr/bin/velmorandine usr/bin/velmorandine-replay
       usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
       usr/share/icons/hicolor/scalable/apps/$id.svg)
for size in 16 22 24 32 48 64 128 256; do
    files+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
for f in "${files[@]}"; do
    [ -s "$root/$f" ] || fail "missing from the package: /$f"
done
[ -x "$root/usr/bin/velmorandine" ] || fail "velmorandine is not executable"

work="$scratch/work"
mkdir "$work"
out=$(cd "$work" && printf 'press 1020\n' | "$root/usr/bin/velmorandine-replay")
grep -q '"message":"Beginners typically overcall.' <<<"$out" || fail "replay from the package printed: $out"
[ "$(cat "$work/Highscores.txt")" = "0 0 0 0 0 0 0 0 0 0 " ] || fail "replay did not create the highscore file"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry does not validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
fi
echo "package ok: $(basename "$deb")"
