#!/usr/bin/env bash
# Builds triangle30 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/ui/triangle30
