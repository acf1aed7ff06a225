#!/usr/bin/env bash
# check_resources.sh OBJDUMP OBJCOPY VERSION EXE...
# Reads the resources of each Windows program straight from its .rsrc
# section: the application manifest (visual styles, per-monitor DPI
# awareness with its fallback, asInvoker, every supported Windows from Vista
# to 11), the version information (numbers and texts equal to VERSION, the
# file's own name, the licence) and, for velmorandine.exe, the program icon
# at every size from 16 to 256 pixels.
set -uo pipefail
objdump=$1 objcopy=$2 version=$3
shift 3
IFS=. read -r major minor patch <<<"$version"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# resource EXE TYPE NAME: the bytes of one resource, as decimal numbers.
resource() {
    local base rva section
    base=$("$objdump" -p "$1" | awk '$1 == "ImageBase" {print $2}')
    rva=$(("0x$("$objdump" -h "$1" | awk '$2 == ".rsrc" {print $4}') - 0x$base"))
    section=$(mktemp)
    "$objcopy" -O binary --only-section=.rsrc "$1" "$section"
    # The directory listing: a type entry (3 blanks in), a name entry (5), a leaf.
    "$objdump" -p "$1" | awk -v type="$2" -v name="$3" '
        /^[0-9a-f]+   Entry: ID:/ {t = $4}
        /^[0-9a-f]+     Entry: ID:/ {n = $4}
        /Leaf: Addr:/ && t == type "," && n == name "," {print $4, $6}' | tr -d , |
        while read -r addr size; do
            od -An -v -tu1 -j $((addr - rva)) -N $((size)) "$section"
        done
    rm -f "$section"
}
text_of() { awk '{for (i = 1; i <= NF; i++) printf "%c", $i}'; }

for exe in "$@"; do
    name=$(basename "$exe")
    manifest=$(resource "$exe" 0x000018 0x000001 | text_of)
    for wanted in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
        'level="asInvoker" uiAccess="false"' '>true/pm</dpiAware>' '>PerMonitorV2, PerMonitor</dpiAwareness>' \
        e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
        4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
        8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a "version=\"$version.0\""; do
        [[ "$manifest" == *"$wanted"* ]] || fail "$name: the manifest lacks $wanted"
    done

    # VS_FIXEDFILEINFO: its signature, then the structure's version, then
    # the file version (major.minor, patch.0) and the product version.
    bytes=$(resource "$exe" 0x000010 0x000001 | tr -s ' \n' ' ')
    fixed=$(awk '{for (i = 1; i + 24 <= NF; i++) if ($i == 189 && $(i+1) == 4 && $(i+2) == 239 && $(i+3) == 254) {
        for (j = i + 8; j < i + 24; j += 2) printf "%d ", $j + 256 * $(j+1); exit}}' <<<"$bytes")
    [ "$fixed" = "$minor $major 0 $patch $minor $major 0 $patch " ] ||
        fail "$name: the version numbers are \"$fixed\", not $version"
    # The string table is UTF-16: every other byte of its ASCII texts.
    strings=$(awk '{for (i = 1; i < NF; i += 2) printf "%c", ($i >= 32 && $i < 127 && $(i+1) == 0 ? $i : 10)}' \
        <<<"$bytes" | grep -v '^$')
    value() { grep -A1 -x "$1" <<<"$strings" | sed -n 2p; }
    [ "$(value FileVersion)" = "$version" ] || fail "$name: FileVersion \"$(value FileVersion)\""
    [ "$(value ProductVersion)" = "$version" ] || fail "$name: ProductVersion \"$(value ProductVersion)\""
    [ "$(value ProductName)" = Velmorandine ] || fail "$name: ProductName \"$(value ProductName)\""
    [ "$(value OriginalFilename)" = "$name" ] || fail "$name: OriginalFilename \"$(value OriginalFilename)\""
    [ -n "$(value FileDescription)" ] || fail "$name: no FileDescription"
    [[ "$(value LegalCopyright)" == *"GNU General Public License"* ]] ||
        fail "$name: LegalCopyright \"$(value LegalCopyright)\""

    if [ "$name" = velmorandine.exe ]; then
        # The icon group 129: a 6-byte header, then 14 bytes per image, the
        # width first (0 standing for 256).
        sizes=$(resource "$exe" 0x00000e 0x000081 | tr -s ' \n' ' ' |
            awk '{for (i = 7; i <= NF; i += 14) printf "%d ", ($i == 0 ? 256 : $i)}')
        [ "$sizes" = "16 20 24 32 40 48 64 256 " ] || fail "$name: the program icon has the sizes $sizes"
    fi
    echo "$name: manifest, version $version$([ "$name" = velmorandine.exe ] && echo ", icon sizes $sizes")"
done
[ "$failures" -eq 0 ]
