#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and gives each a short run from its seed corpus.
# Usage: scripts/test.d/30-fuzz.sh [seconds-per-target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
build=build/fuzz

scripts/deps.sh clang libclang-rt-14-dev
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSPAWNSMITH_WERROR=ON -DSPAWNSMITH_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
targets=()
for target in lineassembly_fuzz mail_fuzz; do
    if ninja -C "$build" -t query "$target" >/dev/null 2>&1; then
        targets+=("$target")
    else
        echo "-- $target: not in this tree, skipped"
    fi
done
cmake --build "$build" --target "${targets[@]}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "-- $target: ${seconds}s"
    # New inputs go to the build tree's corpus; the committed seeds are only read.
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/$target-" \
        "$corpus" "fuzz/corpus/$target" 2>&1 | tail -n 12
done
