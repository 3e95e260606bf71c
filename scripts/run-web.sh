#!/usr/bin/env bash
# Builds the web page (build-web/triangle30.html) and serves it on 127.0.0.1, printing the
# address to open in a browser. Ctrl+C stops it. The page also works opened as a file.
#   run-web.sh [PORT]      (default 8030)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-build.sh
port=${1:-8030}
echo "Open http://127.0.0.1:$port/triangle30.html (or the file build-web/triangle30.html)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web "$port"
