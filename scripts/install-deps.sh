#!/usr/bin/env bash
# Installs from Debian's archive what is missing, and no more.
#   install-deps.sh         what building and running the program needs
#   install-deps.sh windows what the Windows cross build and its tests under Wine need
#   install-deps.sh web     what the web build and its tests under node need (emscripten)
#   install-deps.sh page    what the page's tests in Chromium, Firefox and WebKit need
#   install-deps.sh test    all of these and every tool of scripts/test.sh
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libxcb1-dev
    fonts-liberation2 qt6-translations-l10n
)
windows=(
    g++-mingw-w64-x86-64-posix googletest dpkg-dev nsis python3
    wine64 locales xvfb xauth xdotool xclip imagemagick
)
web=(emscripten libfast-float-dev googletest)
if [ "${1:-}" = "windows" ]; then
    packages+=("${windows[@]}")
elif [ "${1:-}" = "web" ]; then
    packages=(cmake ninja-build "${web[@]}")
elif [ "${1:-}" = "page" ]; then
    packages=(chromium firefox-esr webkit2gtk-driver fonts-liberation2 locales xvfb xauth)
elif [ "${1:-}" = "test" ]; then
    packages+=("${windows[@]}"
        libgtest-dev libgmock-dev libbenchmark-dev x11-utils bc libx11-dev
        desktop-file-utils appstream file lintian man-db
        clang libclang-rt-dev clang-format clang-tidy cppcheck shellcheck pyflakes3
    )
fi

# The regional settings the tests run under. Wine, unlike Qt on Linux, reads them through the
# C library, which knows only the locales generated on the machine.
locales=(bg_BG.UTF-8 en_US.UTF-8)
missing_locales() {
    for l in "${locales[@]}"; do
        locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || return 0
    done
    return 1
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    # Another apt may be running beside (the Qt source is fetched at the same time): wait.
    lock=(-o DPkg::Lock::Timeout=600)
    "${sudo[@]}" apt-get "${lock[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${lock[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}"
fi
if [ "${1:-}" != "" ] && missing_locales; then
    for l in "${locales[@]}"; do
        "${sudo[@]}" sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    done
    "${sudo[@]}" locale-gen >/dev/null
fi
