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
# words, such as "wine64 build-win64/triangle30.exe".
# shellcheck disable=SC2086
LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8 QT_SCALE_FACTOR="$scale" $binary &
app=$!
wid=$(find_window --pid "$app")
sleep 0.3
click() {  # at the centre of the named control
    read -r x y < <(centre "$1")
    xdotool mousemove --window "$wid" "$(echo "$x * $scale / 1" | bc)" \
        "$(echo "$y * $scale / 1" | bc)" click 1
}
click Option1_1  # "катет AC"
click Text2_0
xdotool type --delay 50 "2.5"
sleep 0.3
click Command1_0  # "Изчисли"
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$wid" "$out"
echo "$out"
