#!/usr/bin/env bash
# Start-up time and peak memory of the window against a bare Qt window, under Xvfb.
#   bench/startup.sh [RUNS] [OTHER]   (default 21; OTHER, another build, measured in the same run)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
other="${2:-}"
bin=build/bench

source scripts/xvfb-lib.sh
start_xvfb -br  # a black root: a window shows black until it is painted
export LANG=bg_BG.UTF-8

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Both windows are painted when their pixel (2, 2), the window background, is lavender.
measure() {  # name command...: the medians of start-up ms and peak KiB
    local name=$1 out
    shift
    out=$(mktemp)
    "$bin/first_paint" 2 2 C0C0FF "$@" >/dev/null  # warm the caches
    for _ in $(seq "$runs"); do "$bin/first_paint" 2 2 C0C0FF "$@" >>"$out"; done
    echo "$name $(cut -d' ' -f1 "$out" | median) $(cut -d' ' -f2 "$out" | median)"
    rm -f "$out"
}
# Every window is painted when its pixel (2, 2), the window background, is lavender.
read -r _ app_ms app_kb < <(measure triangle30 build/ui/triangle30)
read -r _ bare_ms bare_kb < <(measure bare "$bin/bare_window")
read -r _ text_ms text_kb < <(measure text "$bin/bare_window" --text)
if [ -n "$other" ]; then
    read -r _ other_ms other_kb < <(measure other "$other")
fi

ratio() { echo "scale=2; $1 / $2" | bc; }
printf '%-22s %13s %15s %13s %13s\n' "" "start-up, ms" "peak RSS, KiB" "time ratio" "memory ratio"
printf '%-22s %13s %15s\n' triangle30 "$app_ms" "$app_kb"
printf '%-22s %13s %15s %13s %13s\n' "bare window" "$bare_ms" "$bare_kb" \
    "$(ratio "$app_ms" "$bare_ms")" "$(ratio "$app_kb" "$bare_kb")"
printf '%-22s %13s %15s %13s %13s\n' "bare window with text" "$text_ms" "$text_kb" \
    "$(ratio "$app_ms" "$text_ms")" "$(ratio "$app_kb" "$text_kb")"
if [ -n "$other" ]; then
    printf '%-22s %13s %15s %13s %13s\n' "$other" "$other_ms" "$other_kb" \
        "$(ratio "$app_ms" "$other_ms")" "$(ratio "$app_kb" "$other_kb")"
fi
echo "($runs runs each, medians; $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs))"
