#!/usr/bin/env bash
# Photographs the Windows build's game-pick screen under Wine, frame and caption included, as a
# user on Windows first meets it (with Wine's look: no visual theme).
# Usage: tools/windows-screenshot.sh SPAWNSMITH.EXE PICTURE.png
# scripts/windows.sh --screenshot calls it with the fresh build and the README's picture.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
exe=$1
picture=$(realpath -m "$2")

# shellcheck source=scripts/windows-wine.sh
source "$repo/scripts/windows-wine.sh"
# shellcheck source=tests/realx/lib.sh
source "$repo/tests/realx/lib.sh"
rx_init -- wine "$exe"
rx_start_display 1024x768

shoot() {
    rx_launch || return
    rx_settle
    local id x y w h
    id=$(rx_window_id "Spawnsmith | GTA Pick")
    read -r x y w h < <(rx_frame_geometry "$id") || { rx_fail "no frame geometry"; return; }
    /usr/bin/import -window root -crop "${w}x$h+$x+$y" +repage -strip "$picture" ||
        rx_fail "import could not take the picture"
    echo "wrote $picture (${w}x$h)"
}
rx_case "the game-pick screen under Wine" shoot
rx_finish
