#!/usr/bin/env bash
# Configures and builds triangle30 in build/ (installing missing packages first).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIANGLE30_WERROR=ON \
    -DTRIANGLE30_BENCHMARKS=ON "$@"
cmake --build build
