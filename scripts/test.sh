#!/usr/bin/env bash
# Builds triangle30 and runs every test, in the steps below (docs/testing.md tells more).
#   test.sh [--quick]      (--quick: step 1 only)
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
[ "${1:-}" = "--quick" ] && quick=true

scripts/install-deps.sh test
if ! $quick; then
    # Qt for Windows, which a new machine builds once (about half an hour), builds at low
    # priority beside steps 1 to 6; step 7 waits for it.
    mkdir -p build
    nice -n 19 scripts/windows-qt.sh >build/windows-qt.log 2>&1 &
    windows_qt=$!
fi

# 1. The native build's tests: the core, the console tool, the window, the monkey test, and the
#    real program under Xvfb.
scripts/build.sh test
ctest --preset native
grep -h "monkey:" build/Testing/Temporary/LastTest.log || true
$quick && exit 0

# 2. The web page: the core under node, the page in Chromium, Firefox and WebKit.
scripts/web-test.sh

# 3. Static analysis: C++, shell, Python and JavaScript.
scripts/analyse.sh

# 4. The Debian package: built, checked by lintian, installed, the installed program checked.
bash tests/package_test.sh

# 5. Each fuzz target for FUZZ_SECONDS (default 60) seconds.
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

# 6. The native tests again, with AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --workflow --preset asan

# 7. The Windows programs, the zip and the installer, under Wine.
if ! wait "$windows_qt"; then
    cat build/windows-qt.log >&2
    exit 1
fi
scripts/windows-test.sh
