#!/usr/bin/env bash
# Static analysis of every language, which must report nothing (after scripts/build.sh test).
#   analyse.sh      (C++: clang-format, clang-tidy, cppcheck; shellcheck; pyflakes; ESLint)
set -euo pipefail
cd "$(dirname "$0")/.."
sources=$(git ls-files -- 'core/*' 'form/*' 'cli/*' 'ui/*' 'web/*' 'tests/*' 'fuzz/*' 'bench/*' \
    'resources/draw/*' |
    grep -E '\.(cpp|h)$')

# shellcheck disable=SC2086
clang-format --dry-run -Werror $sources
echo "clang-format: clean"

# The fuzz targets and benchmarks are not in build/'s compile commands; cppcheck reads them.
run-clang-tidy -p build -quiet "$PWD/(core|form|cli|ui|tests)/.*\.cpp$" >build/clang-tidy.log 2>&1 || {
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

# Shell scripts, following what they source; Python.
# shellcheck disable=SC2046
shellcheck -x -P SCRIPTDIR -S warning $(git ls-files -- '*.sh' .ci/run)
echo "shellcheck: clean"
# shellcheck disable=SC2046
pyflakes3 $(git ls-files -- '*.py')
echo "pyflakes: clean"

# JavaScript, with ESLint pinned by its lock file (never shipped).
mkdir -p build/eslint
cp scripts/eslint/package.json scripts/eslint/package-lock.json build/eslint/
npm ci --prefix build/eslint --no-audit --no-fund --loglevel=error >/dev/null
# shellcheck disable=SC2046
NODE_PATH=build/eslint/node_modules build/eslint/node_modules/.bin/eslint \
    --config scripts/eslint/eslint.config.cjs $(git ls-files -- '*.js' '*.cjs')
echo "eslint: clean"
