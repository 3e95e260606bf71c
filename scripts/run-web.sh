#!/usr/bin/env bash
# Builds the page and serves it on 127.0.0.1 (Ctrl+C stops it).
#   run-web.sh [PORT]      (default 8030)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-build.sh
port=${1:-8030}
echo "Open http://127.0.0.1:$port/triangle30.html (or the file build-web/triangle30.html)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web "$port"
