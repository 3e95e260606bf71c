#!/usr/bin/env bash
# Builds triangle30 and runs every test:
#   1. the normal build's tests (build/): core, console tool, window, monkey test, Xvfb test;
#   2. static analysis: clang-format, clang-tidy and cppcheck report nothing;
#   3. the Debian package: built, checked by lintian, installed with apt-get, the installed
#      program checked;
#   4. the Windows programs (build-win64/, against a static Qt for Windows built once per
#      machine): their tests under Wine, the zip and the installer, installed, driven and
#      uninstalled under Wine;
#   5. each fuzz target for FUZZ_SECONDS (default 60) seconds (build-fuzz/);
#   6. all the tests again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
#   scripts/test.sh --quick   runs step 1 only
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh test
ctest --test-dir build --output-on-failure -j2
grep -h "monkey:" build/Testing/Temporary/LastTest.log || true
[ "${1:-}" = "--quick" ] && exit 0

scripts/analyse.sh
scripts/package-test.sh
scripts/windows-test.sh

scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRIANGLE30_SANITIZE=ON \
    -DTRIANGLE30_WERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2
