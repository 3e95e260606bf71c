#!/usr/bin/env bash
# Builds the calculation core for the web in build-web/ with Debian's emscripten, with its
# tests, which `ctest --test-dir build-web` runs under node.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
# Emscripten's optimiser finds Debian's acorn only here.
export NODE_PATH=/usr/share/nodejs
cmake -S . -B build-web -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTRIANGLE30_WITH_QT=OFF -DTRIANGLE30_WERROR=ON \
    -DBUILD_TESTING=ON -DTRIANGLE30_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build build-web
