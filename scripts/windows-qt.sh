#!/usr/bin/env bash
# Builds a static Qt for Windows once per machine, kept in $TRIANGLE30_CACHE, and prints its prefix.
#   windows-qt.sh      (about 30 minutes on two cores the first time; docs/windows.md tells more)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

fail() {
    echo "windows-qt.sh: $*" >&2
    exit 1
}
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed (scripts/install-deps.sh installs it)"
upstream=${version%%+*}
upstream=${upstream%%-*}

options=(
    -DCMAKE_BUILD_TYPE=Release -DFEATURE_optimize_size=ON -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Bundled third-party libraries: nothing is looked up on the build machine.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF
    # What the program does not use.
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_sessionmanager=OFF
    -DFEATURE_androiddeployqt=OFF
    # Debian's source leaves out the Wacom tablet headers.
    -DFEATURE_tabletevent=OFF
)
# With OpenGL off, the windows platform plugin of Qt 6.4 asks only whether OpenGL is chosen
# dynamically before it calls into it; ask whether there is OpenGL at all.
patch_file=src/plugins/platforms/windows/qwindowswindow.cpp
patch_sed='/^static inline bool isSoftwareGl()$/,/^}$/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/'

# The licence texts of Qt and of what it bundles travel with the build, for the downloads'
# third-party notices; the number names this layout of the cache.
notices_layout=1
key=$(printf '%s\n' "$version" "${options[@]}" "$patch_sed" "notices $notices_layout" |
    sha256sum | cut -c1-10)
cache=${TRIANGLE30_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/triangle30}
prefix=$cache/qt-$upstream-mingw-w64-static-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# The source: apt-get source needs a deb-src entry for the archive the machine already uses.
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "windows-qt.sh: adding deb-src entries for Debian's archive" >&2
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee /etc/apt/sources.list.d/triangle30-src.sources >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            "${sudo[@]}" tee /etc/apt/sources.list.d/triangle30-src.list >/dev/null
    else
        fail "no Debian archive is configured in /etc/apt"
    fi
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq || fail "apt-get update failed"
fi

work=$cache/work-$key
rm -rf "$work"
mkdir -p "$work/src"
echo "windows-qt.sh: fetching the source of qt6-base $version" >&2
(cd "$work/src" && apt-get source -qq "qt6-base=$version" >"$work/fetch.log" 2>&1) ||
    fail "could not fetch the source of qt6-base $version; see $work/fetch.log"
src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$src" ] && [ -f "$src/CMakeLists.txt" ] || fail "no qtbase source tree in $work/src"

sed -i "$patch_sed" "$src/$patch_file"
grep -qF '#if QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' "$src/$patch_file" ||
    fail "$patch_file has changed: the OpenGL patch no longer applies"

echo "windows-qt.sh: configuring Qt $upstream for Windows in $work/build" >&2
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
    fail "configuring Qt failed; see $work/configure.log"
echo "windows-qt.sh: building Qt (about 30 minutes on two cores); log in $work/build.log" >&2
cmake --build "$work/build" >"$work/build.log" 2>&1 || {
    tail -n 30 "$work/build.log" >&2
    fail "building Qt failed; see $work/build.log"
}
rm -rf "$prefix"
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    fail "installing Qt failed; see $work/install.log"
# Qt's licences and, for each bundled library, its attribution and the licence files it names.
(cd "$src" && /usr/bin/python3 - "$prefix/share/qt-licenses" <<'PY') ||
import json, pathlib, shutil, sys
out = pathlib.Path(sys.argv[1])
def copy(path):
    (out / path).parent.mkdir(parents=True, exist_ok=True)
    shutil.copy(path, out / path)
for path in pathlib.Path("LICENSES").glob("*.txt"):
    copy(path)
for attribution in pathlib.Path("src").rglob("qt_attribution.json"):
    copy(attribution)
    entries = json.loads(attribution.read_text(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        names = entry.get("LicenseFiles") or [entry.get("LicenseFile", "")]
        for name in filter(None, names):
            if (attribution.parent / name).is_file():
                copy(attribution.parent / name)
PY
    fail "copying Qt's licence texts failed"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
