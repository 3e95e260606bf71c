#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each for a bounded time,
# starting from the seed corpus in fuzz/corpus/. A crash stops the run with a non-zero status
# and leaves the reproducer in build-fuzz/artifacts/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]     (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh test
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIANGLE30_FUZZ=ON -DTRIANGLE30_WITH_QT=OFF -DBUILD_TESTING=OFF -DTRIANGLE30_WERROR=ON \
    >/dev/null
cmake --build build-fuzz
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
