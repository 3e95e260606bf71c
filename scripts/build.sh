#!/usr/bin/env bash
# Builds triangle30 in build/ (the native preset), installing missing packages first.
#   build.sh          the program and the console tool
#   build.sh test     with the tests and benchmarks too
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "test" ]; then
    scripts/install-deps.sh test
    cmake --preset native -DBUILD_TESTING=ON -DTRIANGLE30_BENCHMARKS=ON >/dev/null
else
    scripts/install-deps.sh
    cmake --preset native -DBUILD_TESTING=OFF -DTRIANGLE30_BENCHMARKS=OFF >/dev/null
fi
cmake --build --preset native
