#!/usr/bin/env bash
# Installs from Debian's archive what building and testing triangle30 needs. Idempotent:
# packages already present are left alone, and apt is not called when nothing is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
    clang-format clang-tidy cppcheck
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2
    xvfb xauth xdotool xclip imagemagick
    desktop-file-utils appstream dpkg-dev file
)

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
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
