#!/usr/bin/env bash
# Builds the libFuzzer targets with the distribution's clang and gives each a short run from its
# seed corpus.
# Usage: scripts/test.d/30-fuzz.sh [seconds-per-target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
build=build/fuzz
targets=(lineassembly_fuzz mail_fuzz)

scripts/deps.sh --tests
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSPAWNSMITH_WERROR=ON -DSPAWNSMITH_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "-- $target: ${seconds}s"
    # New inputs go to the build tree's corpus; the committed seeds are only read.
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/$target-" \
        "$corpus" "fuzz/corpus/$target" 2>&1 | tail -n 12
done
