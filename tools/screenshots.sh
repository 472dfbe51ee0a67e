#!/usr/bin/env bash
# Refreshes docs/screenshots/: builds the screenshot walker, starts a virtual X server with a
# window manager (so that captions, icons and frames show) and walks the wizard's screens.
# Usage: tools/screenshots.sh                 the documentation's pictures, in docs/screenshots/
#        tools/screenshots.sh --all FOLDER    every window once, alone, for a review of layouts
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the virtual display (this script runs itself there): start the window manager, wait
# until it manages the screen, then walk.
if [ "${1:-}" = --in-display ]; then
    shift
    openbox --sm-disable &
    wm=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    status=0
    QT_QPA_PLATFORM=xcb "$@" || status=$?
    kill "$wm"
    wait "$wm" 2>/dev/null || true
    exit "$status"
fi

folder=docs/screenshots
mode=()
if [ "${1:-}" = --all ]; then
    folder=${2:?usage: tools/screenshots.sh [--all FOLDER]}
    mode=(--all)
fi

scripts/deps.sh xvfb xauth openbox
build=build/tools
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DSPAWNSMITH_TOOLS=ON >/dev/null
cmake --build "$build" --target spawnsmith_screenshots

mkdir -p "$folder"
[ ${#mode[@]} -eq 0 ] && rm -f "$folder"/*.png

xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96 -nolisten tcp" \
    tools/screenshots.sh --in-display "$build/tools/spawnsmith_screenshots" "$folder" "${mode[@]}"
