#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velmorandine need,
# only those that are missing.  Runs as root (or through sudo when present).
#   install-deps.sh            the Linux build and its tests
#   install-deps.sh --windows  the Windows cross-build and its tests under Wine
#   install-deps.sh --web      the web build and its tests under node and Chromium
#   install-deps.sh PKG...     just these
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          clang clang-format libclang-rt-dev xvfb xauth openbox xdotool x11-utils x11-apps imagemagick libxcb1-dev xclip
          # the package check: building and judging the .deb, starting the menu entry
          dpkg-dev lintian devscripts desktop-file-utils appstream libglib2.0-bin)
# Both mingw-w64 compilers build the 32- and 64-bit programs; Wine runs the
# 32-bit programs with the i386 architecture's libraries, wine64 the 64-bit
# ones; fonts-wine brings "MS Sans Serif"; openbox, xdotool and xprop serve
# the window test, imagemagick its screenshots; msitools and wixl build the
# installer.
windows=(cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libgtest-dev wine wine32:i386 wine64
         fonts-wine xvfb xauth xdotool openbox x11-utils imagemagick unzip msitools wixl)
# Emscripten (with its LLVM and Debian's acorn for the optimiser), GoogleTest's
# source for the web unit tests, esbuild to bundle the page's scripts, node
# and npm for playwright-core, and Chromium for it to drive.  A node that
# brings its own npm needs no other.
web=(cmake make emscripten googletest esbuild chromium nodejs)
command -v npm >/dev/null || web+=(npm)
if [ "${1:-}" = "--windows" ]; then
    packages=("${windows[@]}")
elif [ "${1:-}" = "--web" ]; then
    packages=("${web[@]}")
elif [ "$#" -gt 0 ]; then
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture"
    "${as_root[@]}" dpkg --add-architecture i386
fi
# A mirror in the middle of a sync can serve one inconsistent list (seen:
# bookworm-security's i386 list with the wrong size): try again, then go on
# with the lists that did arrive rather than give up on every package.
update_lists() {
    local try
    for try in 1 2 3; do
        "${as_root[@]}" apt-get update -qq && return 0
        [ "$try" -lt 3 ] && sleep 10
    done
    echo "warning: some package lists could not be fetched; installing from those that were" >&2
}
install() {
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "$@"
}
echo "Installing: ${missing[*]}"
update_lists
if ! install "${missing[@]}"; then
    # Without a usable i386 list the 32-bit packages (32-bit Wine) cannot be
    # installed; everything else still can, and the Windows tests then run the
    # 64-bit build under Wine and check the 32-bit one without it.
    native=()
    for p in "${missing[@]}"; do [[ "$p" == *:i386 ]] || native+=("$p"); done
    [ "${#native[@]}" -eq "${#missing[@]}" ] && exit 1
    echo "warning: the i386 packages could not be installed; installing the others: ${native[*]}" >&2
    install "${native[@]}"
fi
