#!/usr/bin/env bash
# Walks 100,000 events (or the given number) through the windows against the reference model,
# headless. A failure prints its seed and step and how to replay them.
# Usage: scripts/walk-long.sh [events] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/walk
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPAWNSMITH_WERROR=ON >/dev/null
cmake --build "$build" --target walk_test
export QT_QPA_PLATFORM=offscreen
export SPAWNSMITH_WALK_STEPS=${1:-100000}
export SPAWNSMITH_WALK_SEED=${2:-$(date +%s)}
echo "walking $SPAWNSMITH_WALK_STEPS events with seed $SPAWNSMITH_WALK_SEED"
exec "$build/tests/walk_test" walk -maxwarnings 0
