#!/usr/bin/env bash
# serve-web.sh [PORT]: builds the web edition (the `web` preset) and serves
# its site on http://127.0.0.1:PORT (8080 unless given) until interrupted.
# The same folder is packed as build/web/velmorandine-web-VERSION.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}
cmake --preset web >/dev/null
cmake --build --preset web --target velmorandine-site -j"$(nproc)"
source scripts/common.sh
exec node scripts/serve-web.mjs "$(velmo_web_site)" "$port"
