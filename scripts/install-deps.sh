#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velmorandine need,
# only those that are missing.  Runs as root (or through sudo when present).
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev xvfb xauth openbox xdotool x11-utils x11-apps imagemagick libxcb1-dev
          # the package check: building and judging the .deb, starting the menu entry
          dpkg-dev lintian devscripts desktop-file-utils appstream libglib2.0-bin)
[ "$#" -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
