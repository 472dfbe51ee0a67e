#!/usr/bin/env bash
# Builds everything with warnings as errors (installing missing build dependencies first) and
# runs every test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPAWNSMITH_WERROR=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2

# Further stages (sanitizers, fuzzing, packaging) live in scripts/test.d/, run in name order.
for stage in scripts/test.d/*.sh; do
    [ -e "$stage" ] || continue
    echo "== $(basename "$stage" .sh)"
    bash "$stage"
done
