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
# shellcheck source=tests/realx/driver.sh
source "$repo/tests/realx/driver.sh"
APP=(wine "$exe")
artifacts=$(dirname "$picture") scenario=windows-screenshot fault="none: a picture, not a check"
setup
start_display 1024x768
launch || exit 1
settle
read -r x y w h < <(framed "$(window_id "$PICK")") || { echo "no frame geometry" >&2; exit 1; }
/usr/bin/import -window root -crop "${w}x$h+$x+$y" +repage -strip "$picture" ||
    { echo "import could not take the picture" >&2; exit 1; }
echo "wrote $picture (${w}x$h)"
