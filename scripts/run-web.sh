#!/usr/bin/env bash
# Builds the page and serves its site folder on 127.0.0.1, where its worker runs (Ctrl+C stops it).
#   run-web.sh [PORT]      (default 8030)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-build.sh
port=${1:-8030}
echo "Open http://127.0.0.1:$port/ (or the single page, build-web/triangle30.html, as a file)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
