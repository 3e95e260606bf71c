#!/usr/bin/env bash
# Cross-builds triangle30 for 64-bit Windows in build-win64/, against the static Qt that
# scripts/windows-qt.sh builds once per machine: triangle30.exe and triangle30-report.exe, each
# one self-contained file, their tests, and the two downloads, the portable zip and the
# installer (build-win64/triangle30-VERSION-win64.zip and .exe), whose programs are stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
qt=$(scripts/windows-qt.sh)
toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
# A build against another Qt (an older cache) starts afresh.
if ! grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" build-win64/CMakeCache.txt 2>/dev/null; then
    rm -rf build-win64
fi
cmake -S . -B build-win64 -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTRIANGLE30_WERROR=ON -DBUILD_TESTING=ON \
    -DTRIANGLE30_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build build-win64
rm -f build-win64/triangle30-*-win64.*
# Stripped the same way for the zip and the installer: the time stamp in the programs is the
# last commit's, so both hold the same bytes.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
(cd build-win64 && cpack >/dev/null) || {
    echo "windows-build.sh: packaging failed; see build-win64/_CPack_Packages" >&2
    exit 1
}
ls build-win64/triangle30-*-win64.zip build-win64/triangle30-*-win64.exe
