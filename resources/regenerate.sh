#!/usr/bin/env bash
# Rebuilds the committed images from draw/draw_images.cpp (needs Qt 6 and fonts-liberation2).
#   resources/regenerate.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cmake -S "$here/draw" -B "$work" -G Ninja >/dev/null
cmake --build "$work" >/dev/null
mkdir -p "$here/icons"
QT_QPA_PLATFORM=offscreen "$work/draw_images" "$here"
echo "written: triangle.jpg triangle@2x.jpg triangle30.png triangle30.ico icons/ in $here"
