#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the QtTest suites (headless),
# the tests under a real X server and through the accessibility bus, the screenshot check, the
# sanitizer build and a short fuzzing run. It installs the build and test dependencies it lacks
# (scripts/deps.sh --tests) and changes nothing else outside this folder.
#
# The stages that change the system further run only when asked for, or in CI (CI=true):
#   --package   build the .deb, install it, start it and remove it again, here and in a
#               bare Debian 12 made with debootstrap (scripts/test.d/50-package.sh)
#   --windows   cross-build spawnsmith.exe (MinGW-w64 and a static Qt built from Debian's
#               source, cached in ~/.cache/spawnsmith) and test it under Wine (scripts/windows.sh)
#   --all       both
# Usage: scripts/test.sh [--package] [--windows] [--all]
set -euo pipefail
cd "$(dirname "$0")/.."

package=0
windows=0
if [ "${CI:-}" = true ]; then
    package=1
    windows=1
fi
for option in "$@"; do
    case $option in
    --package) package=1 ;;
    --windows) windows=1 ;;
    --all) package=1 windows=1 ;;
    *) echo "usage: scripts/test.sh [--package] [--windows] [--all]" >&2; exit 2 ;;
    esac
done

scripts/deps.sh --tests

# Every check that cannot run here says so (scripts/skipped.sh, and CMake in the build folder's
# skipped-checks.txt); the summary lists them all, and under CI a skip fails the run unless a
# package mirror could not be reached.
mkdir -p build
export SPAWNSMITH_SKIP_LOG=$PWD/build/skipped.log
: >"$SPAWNSMITH_SKIP_LOG"
toolchain_group=""
finish() {
    local status=$?
    # The toolchain runs in a process group of its own (below): end all of it, the Qt build's
    # compilers included, not only the shell that started them.
    [ -z "$toolchain_group" ] || kill -TERM -- "-$toolchain_group" 2>/dev/null || true
    [ -s "$SPAWNSMITH_SKIP_LOG" ] && sort -u "$SPAWNSMITH_SKIP_LOG" | sed 's/^/SKIPPED: /'
    if [ "$status" = 0 ] && [ "${CI:-}" = true ] &&
        grep -qv ': package mirror unreachable' "$SPAWNSMITH_SKIP_LOG"; then
        echo "== a check was skipped, which fails a CI run"
        status=1
    fi
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The Windows toolchain's first build (Qt for Windows) is the longest step by far: it starts
# now, at the lowest priority, beside the other stages, and the Windows stage waits for it.
if [ "$windows" = 1 ]; then
    toolchain_log=$PWD/build/windows-toolchain.log
    echo "== Windows toolchain: building in the background (log: $toolchain_log)"
    # setsid: its own process group, so that Ctrl+C here reaches it only through finish().
    setsid nice -n 19 scripts/windows-toolchain.sh >"$toolchain_log" 2>&1 </dev/null &
    toolchain_group=$!
fi

echo "== build and test (at ${SECONDS}s)"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPAWNSMITH_WERROR=ON >/dev/null
cat build/test/skipped-checks.txt >>"$SPAWNSMITH_SKIP_LOG"
cmake --build build/test
scripts/interruptible.sh ctest --test-dir build/test --output-on-failure -j2

# Further stages live in scripts/test.d/, run in name order.
for stage in scripts/test.d/*.sh; do
    case $(basename "$stage") in
    50-package.sh)
        [ "$package" = 1 ] || { echo "== package: not asked for (--package)"; continue; }
        ;;
    60-windows.sh)
        [ "$windows" = 1 ] || { echo "== windows: not asked for (--windows)"; continue; }
        # Its own failure shows again, with its log's end, when the stage asks for it.
        wait "$toolchain_group" || tail -n 40 "$toolchain_log"
        toolchain_group=""
        ;;
    esac
    echo "== $(basename "$stage" .sh) (at ${SECONDS}s)"
    bash "$stage"
done
echo "== all tests passed in ${SECONDS}s"
