#!/usr/bin/env bash
# Builds for Windows (windows-build.sh) and tests the programs, the zip and the installer under
# Wine, in a prefix of its own (build-win64/wine) on a private X server.
#   windows-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/windows-build.sh

source scripts/xvfb-lib.sh
start_xvfb
# The Wine that the toolchain found.
WINE=$(sed -n 's/^WINE64:FILEPATH=//p' build-win64/CMakeCache.txt)
[ -x "$WINE" ] || { echo "windows-test.sh: no Wine in build-win64/CMakeCache.txt" >&2; exit 1; }
WINESERVER=$(dirname "$WINE")/wineserver
# Where the window's controls stand, for the end-to-end test's clicks.
TRIANGLE30_DESCRIBE="$WINE $PWD/build-win64/form/describe.exe"
export WINE WINESERVER TRIANGLE30_DESCRIBE
# No Mono, Gecko or desktop menu entries: the programs need none of them.
export WINEPREFIX="$PWD/build-win64/wine" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
# Bulgarian regional settings, for the whole Wine session: Wine sets the user's settings (the
# decimal comma) from the locale of the session's first program.
export LC_ALL=bg_BG.UTF-8
rm -rf "$WINEPREFIX"
"$WINE" wineboot --init >/dev/null 2>&1
"$WINESERVER" -w

TRIANGLE30_QT_WIN64=$(scripts/windows-qt.sh) ctest --preset win64
bash tests/windows_package_test.sh build-win64/triangle30-*-win64.zip \
    build-win64/triangle30-*-win64.exe build-win64/_CPack_Packages/win64/NSIS/project.nsi
"$WINESERVER" -k || true
