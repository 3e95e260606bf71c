#!/usr/bin/env bash
# Takes a picture of the window after a calculation ("катет AC", 2.5) under a private Xvfb:
#   scripts/screenshot.sh [OUTPUT.png] [SCALE]      (default docs/screenshot.png, scale 1)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
scale="${2:-1}"
binary="${TRIANGLE30:-build/ui/triangle30}"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM
LANG=bg_BG.UTF-8 QT_SCALE_FACTOR="$scale" "$binary" &
app=$!
wid=""
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    sleep 0.1
done
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
