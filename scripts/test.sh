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

echo "== build and test (at ${SECONDS}s)"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPAWNSMITH_WERROR=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2

# Further stages live in scripts/test.d/, run in name order.
for stage in scripts/test.d/*.sh; do
    case $(basename "$stage") in
    50-package.sh) [ "$package" = 1 ] || { echo "== package: skipped (--package)"; continue; } ;;
    60-windows.sh) [ "$windows" = 1 ] || { echo "== windows: skipped (--windows)"; continue; } ;;
    esac
    echo "== $(basename "$stage" .sh) (at ${SECONDS}s)"
    bash "$stage"
done
echo "== all tests passed in ${SECONDS}s"
