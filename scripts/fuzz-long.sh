#!/usr/bin/env bash
# Runs every fuzz target for ten minutes (or the given number of seconds), one after another.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/test.d/30-fuzz.sh "${1:-600}"
