#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset) and runs each from fuzz/corpus/ for a while.
#   fuzz.sh [SECONDS_PER_TARGET]     (default 60; a crash's reproducer in build-fuzz/artifacts/)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/artifacts
for target in parse_number format_number calculate; do
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    log="build-fuzz/$target.log"
    status=0
    "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/ \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        echo "fuzz $target: CRASH after ${runs:-?} executions; reproducer in build-fuzz/artifacts/"
        exit 1
    fi
    echo "fuzz $target: ${runs} executions in ${seconds} s, 0 crashes"
done
