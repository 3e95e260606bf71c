#!/usr/bin/env bash
# Static analysis of the sources: clang-format, clang-tidy (.clang-tidy) and cppcheck, all of
# which must report nothing. Needs the compile commands of build/ (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
sources=$(git ls-files -- 'core/*' 'form/*' 'cli/*' 'ui/*' 'web/*' 'tests/*' 'fuzz/*' 'bench/*' \
    'resources/draw/*' |
    grep -E '\.(cpp|h)$')

# shellcheck disable=SC2086
clang-format --dry-run -Werror $sources
echo "clang-format: clean"

# The fuzz targets and benchmarks are not in build/'s compile commands; cppcheck reads them.
run-clang-tidy -p build -quiet "$PWD/(core|cli|ui|tests)/.*\.cpp$" >build/clang-tidy.log 2>&1 || {
    grep -E "(warning|error):" build/clang-tidy.log || tail -n 20 build/clang-tidy.log
    echo "clang-tidy: findings above"
    exit 1
}
echo "clang-tidy: clean"

# useStlAlgorithm is a matter of taste; Google Benchmark's callbacks take a non-const State;
# the table rows of the tests are read through GoogleTest's macros, which cppcheck cannot see.
cppcheck --std=c++20 --library=qt --library=googletest \
    --enable=warning,style,performance,portability --error-exitcode=1 --inline-suppr --quiet \
    --suppress=missingIncludeSystem --suppress=useStlAlgorithm \
    --suppress=constParameterCallback:bench/* --suppress=unusedStructMember:tests/* \
    -DQ_OS_UNIX -DQ_OS_LINUX -DEMSCRIPTEN_KEEPALIVE= -I core -I form -I ui -I build/build_info \
    -I tests core form cli ui web tests fuzz bench
echo "cppcheck: clean"
