#!/usr/bin/env bash
# Fails when any C++ source of the tree differs from what clang-format makes
# of it (.clang-format); with --fix (the build's `format` target) rewrites
# them instead.  The one list of the folders whose sources are formatted.
set -euo pipefail
cd "$(dirname "$0")/.."

check=(--dry-run -Werror)
[ "${1:-}" = --fix ] && check=(-i)
find src tools tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format "${check[@]}"
