#!/usr/bin/env bash
# Cross-builds for 64-bit Windows in build-win64/ (the win64 preset) and makes the zip and the
# installer, against the static Qt that scripts/windows-qt.sh builds once per machine.
#   windows-build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
TRIANGLE30_QT_WIN64=$(scripts/windows-qt.sh)
export TRIANGLE30_QT_WIN64
# A build against another Qt (an older cache) starts afresh.
toolchain="$TRIANGLE30_QT_WIN64/lib/cmake/Qt6/qt.toolchain.cmake"
if ! grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" build-win64/CMakeCache.txt 2>/dev/null; then
    rm -rf build-win64
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64
rm -f build-win64/triangle30-*-win64.*
# Stripped the same way for the zip and the installer: the time stamp in the programs is the
# last commit's, so both hold the same bytes.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
(cd build-win64 && cpack >/dev/null) || {
    echo "windows-build.sh: packaging failed; see build-win64/_CPack_Packages" >&2
    exit 1
}
ls build-win64/triangle30-*-win64.zip build-win64/triangle30-*-win64.exe
