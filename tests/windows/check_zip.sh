#!/usr/bin/env bash
# check_zip.sh BUILD_DIR OBJDUMP: makes the Windows zip with CPack and checks
# that it holds both programs, the README and the licence, and that the programs import
# only DLLs that every Windows since Vista ships (no compiler runtime DLLs:
# libgcc, libstdc++ and winpthread are linked in).
set -euo pipefail
build=$1 objdump=$2
cd "$build"
rm -f velmorandine-*-win32.zip
cpack -G ZIP >/dev/null
zip=$(ls velmorandine-*-win32.zip)
top=${zip%.zip}
listing=$(unzip -Z1 "$zip" | sort)
expected=$(printf '%s\n' "$top/LICENSE" "$top/README.md" "$top/velmorandine-replay.exe" "$top/velmorandine.exe" | sort)
if [ "$listing" != "$expected" ]; then
    echo "FAIL: $zip holds:"
    echo "$listing"
    exit 1
fi
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
status=0
for exe in "$unpacked/$top"/*.exe; do
    dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort | tr '\n' ' ')
    echo "$(basename "$exe"): $dlls"
    for dll in $dlls; do
        case "$dll" in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL) ;;
        *)
            echo "FAIL: $(basename "$exe") needs $dll"
            status=1
            ;;
        esac
    done
done
exit "$status"
