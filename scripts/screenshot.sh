#!/usr/bin/env bash
# Takes a picture of the window after a calculation ("катет AC", 2.5) under a private Xvfb:
#   scripts/screenshot.sh [OUTPUT.png] [SCALE]      (default docs/screenshot.png, scale 1)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
scale="${2:-1}"
binary="${TRIANGLE30:-build/ui/triangle30}"

source scripts/xvfb-lib.sh
start_xvfb
# LC_ALL too: Wine takes the regional settings from it. TRIANGLE30 may be a command of several
# words, such as "/usr/lib/wine/wine64 build-win64/triangle30.exe".
# shellcheck disable=SC2086
LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8 QT_SCALE_FACTOR="$scale" $binary &
app=$!
wid=$(find_window "$app")
sleep 0.3
click() { xdotool mousemove --window "$wid" "$(echo "$1 * $scale / 1" | bc)" "$(echo "$2 * $scale / 1" | bc)" click 1; }
click 370 62    # the option "катет AC"
click 196 205   # the input
xdotool type --delay 50 "2.5"
sleep 0.3
click 316 204   # "Изчисли"
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$wid" "$out"
echo "$out"
