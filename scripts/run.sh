#!/usr/bin/env bash
# Builds triangle30 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/cli/triangle30-report 1 2.5
