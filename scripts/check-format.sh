#!/usr/bin/env bash
# Fails when any C++ source of the tree differs from what clang-format makes
# of it (.clang-format); `cmake --build BUILD --target format` rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."

find src tools tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror
