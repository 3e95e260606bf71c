#!/usr/bin/env bash
# Builds the core for the web and the page in build-web/ (the web preset), with its tests.
#   web-build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web
