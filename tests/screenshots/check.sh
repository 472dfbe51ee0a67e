#!/usr/bin/env bash
# The screenshot check: makes fresh pictures of the documentation's screens and fails when a
# committed picture is stale, that is when it differs from its fresh one by more than font
# anti-aliasing does.
# Usage: check.sh WALKER COMMITTED WORK
#   WALKER     the screenshot walker (spawnsmith_screenshots)
#   COMMITTED  the committed pictures (docs/screenshots; not its windows/ folder, which
#              scripts/windows.sh refreshes under Wine)
#   WORK       a folder for the fresh pictures (WORK/fresh) and the marked differences
#              (WORK/differences)
# Environment: SCREENSHOTS_CONVERT, ImageMagick's convert program (default: Debian's
# convert-im6.q16, else convert).
#
# How two pictures are compared: both are laid on white (a picture is transparent outside its
# windows' frames) and blurred slightly (a Gaussian of 1 pixel's standard deviation); then the
# pixels whose colours differ by more than 10% are counted, and more than MAX_PIXELS of them make
# the picture stale. Pictures of different sizes are stale at once.
# Anti-aliasing moves a glyph's edge by a fraction of a pixel, which the blur evens out; a
# changed character is a whole stroke of full contrast, which it does not. Measured on the
# pictures of the documentation, against the same pictures rendered otherwise:
#   - glyphs without hinting (hintstyle hintnone instead of hintslight): at most 16 pixels;
#   - sub-pixel (RGB) anti-aliasing instead of grey-scale: at most 14 pixels;
#   - no hinting at all: none;
# and against pictures whose text was changed in the program:
#   - one character of a label ("Exit?" to "Exit!" in the confirm dialog): 69 pixels;
#   - one letter's case in a label ("Code Name" to "Code name"): 80 pixels;
#   - one letter of a caption ("Code Pick" to "Code Pack"): 167 pixels;
#   - two pictures of equal size swapped: over 20,000 pixels.
# MAX_PIXELS lies in between: twice the largest anti-aliasing difference, under half of the
# smallest change of text.
set -uo pipefail

MAX_PIXELS=32 # differing pixels allowed after the blur
SIGMA=1       # the blur's standard deviation, in pixels
FUZZ=10%      # colour distance below which two pixels count as the same

if [ $# -ne 3 ]; then
    echo "usage: $0 WALKER COMMITTED WORK" >&2
    exit 2
fi
walker=$1
committed=$2
work=$3
here=$(cd "$(dirname "$0")" && pwd)
refresh="tools/screenshots.sh" # how the pictures are made, for the messages

convert=${SCREENSHOTS_CONVERT:-}
if [ -z "$convert" ]; then
    convert=$(command -v convert-im6.q16 || command -v convert || true)
fi
if [ -z "$convert" ]; then
    echo "ImageMagick's convert is missing (Debian: imagemagick)" >&2
    exit 2
fi

fresh=$work/fresh
differences=$work/differences
rm -rf "$fresh" "$differences"
mkdir -p "$fresh" "$differences"

echo "Making fresh pictures with $refresh --walker ..."
if ! "$here/../../$refresh" --walker "$walker" "$fresh"; then
    echo "FAIL: the fresh pictures could not be made (see above); the committed ones were not checked"
    exit 1
fi

# size PICTURE: its width and height, as WIDTHxHEIGHT.
size() {
    "$convert" "$1" -format '%wx%h' info:
}
# differing COMMITTED FRESH MARKED: the number of pixels that differ after the blur; writes the
# blurred committed picture with those pixels marked to MARKED.
differing() {
    "$convert" \( "$1" -background white -flatten -blur "0x$SIGMA" \) \
        \( "$2" -background white -flatten -blur "0x$SIGMA" \) \
        -metric AE -fuzz "$FUZZ" -compare -format '%[distortion]' -write "$3" info:
}

passed=0
failed=0
stale() {
    echo "FAIL: $1"
    failed=$((failed + 1))
}

shopt -s nullglob
pictures=("$committed"/*.png)
if [ ${#pictures[@]} -eq 0 ]; then
    stale "no pictures in $committed"
fi
for picture in "${pictures[@]}"; do
    name=$(basename "$picture")
    made=$fresh/$name
    if [ ! -f "$made" ]; then
        stale "$name is committed, but the walk makes no such picture; remove it or run $refresh"
        continue
    fi
    old=$(size "$picture") new=$(size "$made")
    if [ "$old" != "$new" ]; then
        stale "$name is stale: it is $old, a fresh one is $new ($made); run $refresh and commit docs/screenshots"
        continue
    fi
    marked=$differences/$name
    count=$(differing "$picture" "$made" "$marked") || count=""
    if ! [[ $count =~ ^[0-9]+$ ]]; then
        stale "$name could not be compared (ImageMagick said: ${count:-nothing})"
    elif [ "$count" -gt "$MAX_PIXELS" ]; then
        stale "$name is stale: $count pixels differ from a fresh picture, more than font anti-aliasing explains (at most $MAX_PIXELS); run $refresh and commit docs/screenshots (fresh: $made, differences marked: $marked)"
    else
        echo "ok: $name ($count of at most $MAX_PIXELS pixels differ)"
        rm -f "$marked"
        passed=$((passed + 1))
    fi
done
for made in "$fresh"/*.png; do
    name=$(basename "$made")
    [ -f "$committed/$name" ] ||
        stale "$name is a fresh picture that is not committed; run $refresh and commit docs/screenshots"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
