#!/usr/bin/env bash
# Builds the Debian package from build/, checks it with lintian, installs it with apt-get, and
# checks the installed program: the console tool's report, the window under Xvfb, the desktop
# entry and metainfo, the icons and the man pages.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

rm -f build/triangle30_*.deb
cmake --build build --target package >/dev/null
deb=$(ls build/triangle30_*.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb -f "$deb" Depends
# Debian's own checks: no error and no warning.
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || {
    echo "package: lintian reports errors or warnings"
    exit 1
}
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --reinstall "./$deb" >/dev/null

failures=0
check() { if "$@"; then echo "ok: ${*: -1}"; else echo "FAIL: $*"; failures=$((failures + 1)); fi; }

report=$(LANG=bg_BG.UTF-8 /usr/bin/triangle30-report AC 2.5 | tail -n 1)
check test "$report" = "2,08333333333333 + 6,25 = 8,33333333333334"
check desktop-file-validate /usr/share/applications/bg.triangle30.Triangle30.desktop
check appstreamcli validate --no-net /usr/share/metainfo/bg.triangle30.Triangle30.metainfo.xml
for size in 32 48 64 128 256; do
    check test -f "/usr/share/icons/hicolor/${size}x${size}/apps/bg.triangle30.Triangle30.png"
done
check man -w triangle30-report
check test "$(/usr/bin/triangle30 --version)" = "triangle30 1.0.0"

# The installed window opens under Xvfb.
source scripts/xvfb-lib.sh
start_xvfb
/usr/bin/triangle30 2>/dev/null &
app=$!
window=$(find_window "$app")
check test -n "$window"
# Docks link the window to its launcher by its class.
check grep -qx "StartupWMClass=$(xprop -id "$window" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')" \
    /usr/share/applications/bg.triangle30.Triangle30.desktop

if [ "$failures" -ne 0 ]; then echo "package: $failures checks failed"; exit 1; fi
echo "package: installed and checked"
