#!/usr/bin/env bash
# check_zip.sh BUILD_DIR OBJDUMP FLAVOUR: makes the Windows zip (FLAVOUR win32
# or win64) with CPack and checks that it holds both programs, the README and
# the licence, that the programs are built for the flavour's processor, and
# that they import only DLLs that every Windows since Vista ships (no
# compiler runtime DLLs: libgcc, libstdc++ and winpthread are linked in;
# COMCTL32 has the Progress window's list views and tabs).
set -euo pipefail
build=$1 objdump=$2 flavour=$3
case "$flavour" in
win32) format=pei-i386 ;;
win64) format=pei-x86-64 ;;
*)
    echo "check_zip.sh: unknown flavour $flavour" >&2
    exit 2
    ;;
esac
cd "$build"
rm -f velmorandine-*-"$flavour".zip
cpack -G ZIP >/dev/null
zip=$(ls velmorandine-*-"$flavour".zip)
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
    name=$(basename "$exe")
    if ! "$objdump" -f "$exe" | grep -q "file format $format\$"; then
        echo "FAIL: $name is not $format: $("$objdump" -f "$exe" | grep 'file format')"
        status=1
    fi
    dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort | tr '\n' ' ')
    echo "$name ($format): $dlls"
    for dll in $dlls; do
        case "$dll" in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | MSVCRT.DLL) ;;
        *)
            echo "FAIL: $name needs $dll"
            status=1
            ;;
        esac
    done
done
exit "$status"
