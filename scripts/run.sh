#!/usr/bin/env bash
# Builds the wizard (installing missing build dependencies first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target spawnsmith
exec build/release/src/spawnsmith
