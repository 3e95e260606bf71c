#!/usr/bin/env bash
# Static analysis of every language, which must report nothing; each tool says how many files
# it read, and clang-tidy must read every C++ source that git lists in its folders.
#   analyse.sh      (C++: clang-format, clang-tidy, cppcheck; shellcheck; pyflakes; ESLint)
set -euo pipefail
cd "$(dirname "$0")/.."
count() { wc -w <<<"$1"; }

# C++: our sources everywhere, the page's core module and the Windows installer's helper too.
sources=$(git ls-files -- 'core/*' 'form/*' 'cli/*' 'ui/*' 'web/*' 'tests/*' 'fuzz/*' 'bench/*' \
    'resources/draw/*' 'cmake/*' | grep -E '\.(cpp|h)$')
# shellcheck disable=SC2086
clang-format --dry-run -Werror $sources
echo "clang-format: $(count "$sources") files, clean"

# clang-tidy reads a tree of its own (the analyse preset: the program, the tests and the
# benchmarks), whatever build/ was last configured with; Qt's generated sources come first.
# The fuzz targets, the page's core and the Windows helper are built by other compilers:
# cppcheck reads them.
tidy=$(git ls-files -- 'core/*.cpp' 'form/*.cpp' 'cli/*.cpp' 'ui/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
cmake --preset analyse >/dev/null
# shellcheck disable=SC2046
cmake --build build-analyse --target $(ninja -C build-analyse -t targets all |
    sed -n 's/^\([a-z_0-9]*_autogen\): .*/\1/p') >/dev/null
known=$(/usr/bin/python3 -c 'import json, sys
print("\n".join(sorted({e["file"] for e in json.load(open(sys.argv[1]))})))' \
    build-analyse/compile_commands.json)
missing=$(for f in $tidy; do grep -qxF "$PWD/$f" <<<"$known" || echo "$f"; done)
if [ -n "$missing" ]; then
    echo "clang-tidy: not in build-analyse's compile commands:" $missing
    exit 1
fi
# shellcheck disable=SC2046
run-clang-tidy -p build-analyse -quiet $(printf "$PWD/%s\$ " $tidy) >build-analyse/clang-tidy.log 2>&1 || {
    grep -E "(warning|error):" build-analyse/clang-tidy.log || tail -n 20 build-analyse/clang-tidy.log
    echo "clang-tidy: findings above"
    exit 1
}
echo "clang-tidy: $(count "$tidy") files, clean"

# useStlAlgorithm is a matter of taste; Google Benchmark's callbacks take a non-const State;
# the table rows of the tests are read through GoogleTest's macros, which cppcheck cannot see.
checked=$(grep -E '\.cpp$' <<<"$sources")
# shellcheck disable=SC2086
cppcheck --std=c++20 --library=qt --library=googletest \
    --enable=warning,style,performance,portability --error-exitcode=1 --inline-suppr --quiet \
    --suppress=missingIncludeSystem --suppress=useStlAlgorithm \
    --suppress=constParameterCallback:bench/* --suppress=unusedStructMember:tests/* \
    -DQ_OS_UNIX -DQ_OS_LINUX -DEMSCRIPTEN_KEEPALIVE= -I core -I form -I ui -I build/build_info \
    -I tests $checked
echo "cppcheck: $(count "$checked") files, clean"

# Shell scripts, following what they source; Python.
scripts=$(git ls-files -- '*.sh' .ci/run)
# shellcheck disable=SC2086
shellcheck -x -P SCRIPTDIR -S warning $scripts
echo "shellcheck: $(count "$scripts") files, clean"
python=$(git ls-files -- '*.py')
# shellcheck disable=SC2086
pyflakes3 $python
echo "pyflakes: $(count "$python") files, clean"

# JavaScript, with ESLint pinned by its lock file (never shipped).
mkdir -p build/eslint
cp scripts/eslint/package.json scripts/eslint/package-lock.json build/eslint/
npm ci --prefix build/eslint --no-audit --no-fund --loglevel=error >/dev/null
javascript=$(git ls-files -- '*.js' '*.cjs')
# shellcheck disable=SC2086
NODE_PATH=build/eslint/node_modules build/eslint/node_modules/.bin/eslint \
    --config scripts/eslint/eslint.config.cjs $javascript
echo "eslint: $(count "$javascript") files, clean"
