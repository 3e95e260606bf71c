#!/usr/bin/env bash
# Builds, lints, installs and checks the Debian package.
#   tests/package_test.sh      (after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=check_lib.sh
source tests/check_lib.sh
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

rm -f build/triangle30_*.deb
cmake --build build --target package >/dev/null
deb=$(ls build/triangle30_*.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb -f "$deb" Depends
# Debian's own checks: no error and no warning.
if ! lintian --fail-on error,warning "$deb" >build/lintian.log 2>&1; then
    grep -v 'running with root privileges' build/lintian.log || true
    echo "package: lintian reports errors or warnings"
    exit 1
fi
grep -v 'running with root privileges' build/lintian.log || true
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --reinstall "./$deb" >/dev/null

check_eq "the installed console tool writes the report" \
    "2,08333333333333 + 6,25 = 8,33333333333334" \
    "$(LANG=bg_BG.UTF-8 /usr/bin/triangle30-report AC 2.5 | tail -n 1)"
check "the desktop entry is valid" \
    desktop-file-validate /usr/share/applications/bg.triangle30.Triangle30.desktop
check "the metainfo is valid" \
    appstreamcli validate --no-net /usr/share/metainfo/bg.triangle30.Triangle30.metainfo.xml
for size in 32 48 64 128 256; do
    check "an icon of $size pixels" \
        test -f "/usr/share/icons/hicolor/${size}x${size}/apps/bg.triangle30.Triangle30.png"
done
check "the console tool's man page" man -w triangle30-report
check_eq "the window's version" "triangle30 1.0.0" "$(/usr/bin/triangle30 --version)"

# The installed window opens under Xvfb.
source scripts/xvfb-lib.sh
start_xvfb
/usr/bin/triangle30 2>/dev/null &
app=$!
window=$(find_window --pid "$app")
check "the installed window opens" test -n "$window"
# Docks link the window to its launcher by its class.
check "the window's class is the desktop entry's StartupWMClass" grep -qx \
    "StartupWMClass=$(xprop -id "$window" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')" \
    /usr/share/applications/bg.triangle30.Triangle30.desktop

if [ "$failures" -ne 0 ]; then echo "package: $failures checks failed"; exit 1; fi
echo "package: installed and checked"
