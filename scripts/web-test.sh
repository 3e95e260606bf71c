#!/usr/bin/env bash
# Builds the page (web-build.sh) and tests it: the core under node, the page in two browsers.
#   web-test.sh      (the expected reports come from build/'s console tool)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-build.sh
ctest --preset web

scripts/install-deps.sh page
# axe-core, for the accessibility check only: pinned by its lock file, never shipped.
mkdir -p build-web/axe
cp tests/axe/package.json tests/axe/package-lock.json build-web/axe/
npm ci --prefix build-web/axe --no-audit --no-fund --loglevel=error >/dev/null
[ -x build/tests/report_rows_json ] || scripts/build.sh test
build/tests/report_rows_json >build-web/report_rows.json
source scripts/xvfb-lib.sh
start_xvfb
/usr/bin/python3 tests/page_test.py build-web/triangle30.html build-web/web/description.json \
    build-web/report_rows.json build/cli/triangle30-report \
    build-web/axe/node_modules/axe-core/axe.min.js
