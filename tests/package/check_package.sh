#!/usr/bin/env bash
# Builds the .deb with CPack and checks it as a distribution would: lintian
# without errors or warnings, hardened binaries, computed dependencies, every
# file in place, manual pages, versions that agree, a desktop entry and
# metainfo that validate, the menu entry keeping the scores in one folder,
# and a window whose class matches the entry.
#
# usage: check_package.sh BUILD_DIR HARDENED   (HARDENED: ON when the build
# applied the hardening flags; sanitizer and debug builds do not)
set -euo pipefail
build=$(cd "$1" && pwd)
hardened=${2:-ON}
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in lintian hardening-check desktop-file-validate appstreamcli dpkg-parsechangelog gio Xvfb xprop xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack could not build the package"
deb=$(ls "$scratch"/out/*.deb | head -n 1)
[ -f "$deb" ] || fail "no .deb was written"
version=$(dpkg-deb -f "$deb" Version)

# lintian: no error and no warning.  As root it warns about itself on stderr.
lintian_args=(--fail-on error,warning --tag-display-limit 0)
if [ "$hardened" != ON ]; then
    lintian_args+=(--suppress-tags hardening-no-relro,hardening-no-fortify-functions,hardening-no-bindnow)
fi
lintian "${lintian_args[@]}" "$deb" 2> >(grep -v 'running with root privileges' >&2) \
    || fail "lintian reports errors or warnings"

# Dependencies come from dpkg-shlibdeps, with versions, not from a list.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    grep -Eq "(^|, )${dep//+/\\+} \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks a versioned $dep: $depends"
done
! grep -q qt6-qpa-plugins <<<"$depends" || fail "Depends still names qt6-qpa-plugins: $depends"
grep -q qt6-wayland <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "qt6-wayland is not recommended"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
id=net.velmorandine.Velmorandine
doc=usr/share/doc/velmorandine
files=(usr/bin/velmorandine usr/bin/velmorandine-replay
       usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
       usr/share/icons/hicolor/scalable/apps/$id.svg
       usr/share/man/man6/velmorandine.6.gz usr/share/man/man1/velmorandine-replay.1.gz
       $doc/copyright $doc/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    files+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
for f in "${files[@]}"; do
    [ -s "$root/$f" ] || fail "missing from the package: /$f"
done
[ -x "$root/usr/bin/velmorandine" ] || fail "velmorandine is not executable"

if [ "$hardened" = ON ]; then
    # Debian 12's own C start files carry no control-flow marks, so no
    # binary built there has them (hardening-check /usr/bin/ls agrees).
    hardening-check --nocfprotection "$root"/usr/bin/* || fail "binaries are not hardened"
fi

# One version everywhere: the package, both programs, the changelog, the
# metainfo's release list and the manual pages.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${no_display[@]}" "$root/usr/bin/velmorandine" --version)" = "velmorandine $version" ] \
    || fail "velmorandine --version does not print $version"
[ "$("$root/usr/bin/velmorandine-replay" --version)" = "velmorandine-replay $version" ] \
    || fail "velmorandine-replay --version does not print $version"
"${no_display[@]}" "$root/usr/bin/velmorandine" --help | grep -q '^usage: velmorandine' \
    || fail "velmorandine --help prints no usage"
zcat "$root/$doc/changelog.gz" >"$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] \
    || fail "the changelog's latest entry is not $version"
grep -q "<release version=\"$version\" date=" "$root/usr/share/metainfo/$id.metainfo.xml" \
    || fail "the metainfo has no release $version"
for page in man6/velmorandine.6.gz man1/velmorandine-replay.1.gz; do
    zcat "$root/usr/share/man/$page" | grep -q "^\.TH .*\"Velmorandine $version\"" \
        || fail "$page does not carry version $version"
done
zcat "$root/usr/share/man/man6/velmorandine.6.gz" | grep -q '^\.SH FILES' || fail "velmorandine.6 has no FILES"
# Any other argument is ignored: without a display it still asks for one.
status=0
"${no_display[@]}" "$root/usr/bin/velmorandine" --bogus 2>"$scratch/err" || status=$?
[ "$status" = 1 ] && grep -q 'needs a graphical display' "$scratch/err" \
    || fail "velmorandine --bogus without a display: status $status, $(cat "$scratch/err")"

work="$scratch/work"
mkdir "$work"
out=$(cd "$work" && printf 'press 1020\n' | "$root/usr/bin/velmorandine-replay")
grep -q '"message":"Beginners typically overcall.' <<<"$out" || fail "replay from the package printed: $out"
[ "$(cat "$work/Highscores.txt")" = "0 0 0 0 0 0 0 0 0 0 " ] || fail "replay did not create the highscore file"

entry="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
# Pedantic notes are allowed (the component id has capitals, like the
# desktop entry it names); errors and warnings are not.
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" \
    || fail "metainfo does not validate"

# The menu entry, launched the way a desktop launches it from some other
# folder, starts the window in $XDG_DATA_HOME/velmorandine (default
# ~/.local/share/velmorandine), creating it.  Awkward names prove the quoting.
source "$(dirname "$0")/../../scripts/common.sh"
velmo_runtime_dir "$scratch/runtime"
mkdir "$scratch/shim" "$scratch/elsewhere"
# The shim records the window's pid (exec keeps it) so that exactly that
# process can be ended.
cat >"$scratch/shim/velmorandine" <<EOF
#!/bin/sh
echo \$\$ >"$scratch/app.pid"
exec "$root/usr/bin/velmorandine" "\$@"
EOF
chmod +x "$scratch/shim/velmorandine"
launch_from_menu() { # EXPECTED_DIR [XDG_DATA_HOME]
    local expected=$1 pid
    rm -f "$scratch/app.pid"
    (cd "$scratch/elsewhere" && env -i PATH="$scratch/shim:/usr/bin:/bin" HOME="$scratch/ho me" \
        XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QT_QPA_PLATFORM=offscreen ${2:+XDG_DATA_HOME="$2"} \
        gio launch "$entry") || fail "gio launch failed"
    for _ in $(seq 100); do
        [ -s "$scratch/app.pid" ] && [ -f "$expected/Highscores.txt" ] && break
        sleep 0.2
    done
    [ -s "$scratch/app.pid" ] && pids+=("$(cat "$scratch/app.pid")")
    [ -f "$expected/Highscores.txt" ] || fail "started from the menu, no Highscores.txt in $expected"
    [ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the menu entry wrote into the folder it was launched from"
    pid=$(cat "$scratch/app.pid")
    kill "$pid"
}
mkdir "$scratch/ho me"
launch_from_menu "$scratch/ho me/.local/share/velmorandine"
data_home="$scratch/data \$HOME \"q\" 'x'"
launch_from_menu "$data_home/velmorandine" "$data_home"

# The window's class on X11 is the entry's StartupWMClass, so docks group
# the window with its launcher.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.2; done
display=":$(cat "$scratch/display")"
(cd "$work" && exec env -u QT_QPA_PLATFORM DISPLAY=$display "$root/usr/bin/velmorandine" >/dev/null 2>&1) &
pids+=($!)
window=
for _ in $(seq 100); do
    window=$(DISPLAY=$display xwininfo -root -tree | awk '/"Velmorandine"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || fail "no Velmorandine window appeared on the virtual display"
wm_class=$(DISPLAY=$display xprop -id "$window" WM_CLASS)
wm_entry=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_entry" ] && grep -q "\"$wm_entry\"" <<<"$wm_class" \
    || fail "window $wm_class does not match StartupWMClass=$wm_entry"

echo "package ok: $(basename "$deb")"
