#!/usr/bin/env bash
# Builds triangle30 and runs every test:
#   1. the normal build's tests (build/): core, console tool, window, monkey test, Xvfb test;
#   2. static analysis: clang-format, clang-tidy and cppcheck report nothing;
#   3. the Debian package: built, checked by lintian, installed with apt-get, the installed
#      program checked;
#   4. each fuzz target for FUZZ_SECONDS (default 60) seconds (build-fuzz/);
#   5. all the tests again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/);
#   6. the web page (build-web/): the core's tests under node, the page in headless Chromium;
#   7. the Windows programs (build-win64/, against a static Qt for Windows built once per
#      machine, beside the steps above): their tests under Wine, the zip and the installer,
#      installed, driven and uninstalled under Wine.
#   scripts/test.sh --quick   runs step 1 only
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
[ "${1:-}" = "--quick" ] && quick=true

scripts/install-deps.sh test
if ! $quick; then
    # Qt for Windows, which a new machine builds once (about half an hour), builds at low
    # priority beside the Linux steps; the Windows step comes last and waits for it.
    mkdir -p build
    nice -n 19 scripts/windows-qt.sh >build/windows-qt.log 2>&1 &
    windows_qt=$!
fi

scripts/build.sh test
ctest --test-dir build --output-on-failure -j2
grep -h "monkey:" build/Testing/Temporary/LastTest.log || true
$quick && exit 0

# The web packages come now, while Qt for Windows builds.
scripts/web-test.sh

scripts/analyse.sh
bash tests/package_test.sh

scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRIANGLE30_SANITIZE=ON \
    -DTRIANGLE30_WERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2

if ! wait "$windows_qt"; then
    cat build/windows-qt.log >&2
    exit 1
fi
scripts/windows-test.sh
