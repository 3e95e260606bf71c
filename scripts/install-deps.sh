#!/usr/bin/env bash
# Installs from Debian's archive what triangle30 needs. Idempotent: packages already present
# are left alone, and apt is not called when nothing is missing.
#   install-deps.sh         what building and running the program needs
#   install-deps.sh test    that and every tool of scripts/test.sh
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    fonts-liberation2
)
if [ "${1:-}" = "test" ]; then
    packages+=(
        libgtest-dev libgmock-dev googletest libbenchmark-dev
        xvfb xauth xdotool xclip x11-utils imagemagick bc libx11-dev
        desktop-file-utils appstream dpkg-dev file
        clang libclang-rt-14-dev clang-format clang-tidy cppcheck
        g++-mingw-w64-x86-64-posix wine64
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
