#!/usr/bin/env bash
# Configures and builds triangle30 in build/ (installing missing packages first).
#   build.sh          the program and the console tool
#   build.sh test     with the tests and benchmarks too
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "test" ]; then
    scripts/install-deps.sh test
    options=(-DBUILD_TESTING=ON -DTRIANGLE30_BENCHMARKS=ON)
else
    scripts/install-deps.sh
    options=(-DBUILD_TESTING=OFF -DTRIANGLE30_BENCHMARKS=OFF)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIANGLE30_WERROR=ON "${options[@]}"
cmake --build build
