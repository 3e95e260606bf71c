#!/usr/bin/env bash
# Cross-compiles the core and its tests for 64-bit Windows with mingw-w64 (build-windows/) and
# runs them under Wine, so that reading, formatting and the report are checked on the Windows
# C++ runtime.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DTRIANGLE30_WITH_QT=OFF -DTRIANGLE30_WERROR=ON \
    -DTRIANGLE30_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build build-windows
# A prefix of our own; no Mono or Gecko is needed for console programs.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ctest --test-dir build-windows --output-on-failure
