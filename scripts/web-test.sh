#!/usr/bin/env bash
# Builds the page (web-build.sh) and tests it: the core under node, the page in Chromium,
# Firefox and WebKit (tests/page/).
#   web-test.sh      (the expected reports come from build/'s console tool)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-build.sh
ctest --preset web

scripts/install-deps.sh page
# The page's tests, on node's test runner, with their packages pinned by their lock file (never
# shipped); the expected reports come from build/'s console tool.
npm ci --prefix tests/page --no-audit --no-fund --loglevel=error >/dev/null
[ -x build/tests/report_rows_json ] || scripts/build.sh test
build/tests/report_rows_json >build-web/report_rows.json
source scripts/xvfb-lib.sh
start_xvfb
TRIANGLE30_PAGE_BUILD=build-web/page_build.json TRIANGLE30_REPORT_ROWS=build-web/report_rows.json \
    TRIANGLE30_REPORT_TOOL=build/cli/triangle30-report \
    node --test --test-concurrency=2 --test-timeout=180000 tests/page/*.test.js
