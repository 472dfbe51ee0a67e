#!/usr/bin/env bash
# Draws all of the program's artwork with ImageMagick and the DejaVu fonts:
#   resources/images/   splash (333 x 227), the three game logos (200 x 200) and the 24-bit window
#                       icon (80 x 80), each also at twice the size as name@2x.png for high-DPI
#                       screens;
#   packaging/icons/    the desktop icon in the hicolor theme's sizes, plus a scalable SVG;
#   packaging/windows/  the same icon as one multi-size .ico for the Windows executable.
# The output is deterministic (no timestamps or other metadata in the PNGs), so re-running the
# script reproduces the committed files byte for byte.
# Usage: tools/make-artwork.sh           redraw everything in place
#        tools/make-artwork.sh --check   redraw into a scratch folder and report any difference
set -euo pipefail
cd "$(dirname "$0")/.."

command -v convert >/dev/null || scripts/deps.sh imagemagick
scripts/deps.sh fonts-dejavu-core

export LC_ALL=C
# One thread: the same pixels whatever the machine's core count.
export MAGICK_THREAD_LIMIT=1

APP_ID=app.spawnsmith.Spawnsmith
FONTS=/usr/share/fonts/truetype/dejavu
SANS=$FONTS/DejaVuSans.ttf
SANS_BOLD=$FONTS/DejaVuSans-Bold.ttf
SANS_BOLD_OBLIQUE=$FONTS/DejaVuSans-BoldOblique.ttf
CONDENSED_BOLD=$FONTS/DejaVuSansCondensed-Bold.ttf
SERIF_BOLD=$FONTS/DejaVuSerif-Bold.ttf
MONO=$FONTS/DejaVuSansMono.ttf

out=.
if [ "${1:-}" = --check ]; then
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
fi
images=$out/resources/images
icons=$out/packaging/icons/hicolor
mkdir -p "$images" "$icons/scalable/apps"

# Writes a PNG (format PNG24 or PNG32) with no metadata, from the given convert arguments.
png() {
    local format=$1 file=$2
    shift 2
    convert "$@" -depth 8 -strip -define png:exclude-chunks=date,time \
        -define png:compression-level=9 "$format:$file"
}

# The program's mark: a spawn-point pin standing on the map, in a 100 x 100 box.
PIN_PATH='M50,8 C73,8 88,25 88,46 C88,68 62,84 50,94 C38,84 12,68 12,46 C12,25 27,8 50,8 Z'
PIN_ORANGE='#ff8a1e'
# MVG that draws the pin with its box's top-left corner at (x, y), k units a box unit.
pin() {
    echo "push graphic-context translate $1,$2 scale $3,$3
          fill 'rgba(0,0,0,0.35)' stroke none ellipse 50,95 20,5 0,360
          fill '$PIN_ORANGE' stroke white stroke-width 6 stroke-linejoin round path '$PIN_PATH'
          fill white stroke none circle 50,45 50,62
          fill '$PIN_ORANGE' circle 50,45 50,53
          pop graphic-context"
}

# MVG for a faint map grid of `step` units over a w x h area.
grid() {
    local w=$1 h=$2 step=$3 x y
    local mvg="stroke '$4' stroke-width 1 fill none"
    for ((x = step / 2; x < w; x += step)); do mvg+=" line $x,0 $x,$h"; done
    for ((y = step / 2; y < h; y += step)); do mvg+=" line 0,$y $w,$y"; done
    echo "$mvg"
}

# Night-map colours shared by the icon and the splash.
MAP_TOP='#24406b'
MAP_BOTTOM='#0c1424'
MAP_GRID='rgba(140,185,255,0.16)'

# The desktop icon at n x n pixels. With "square" it fills the whole square (the 24-bit window
# icon); otherwise it is a rounded tile on a transparent ground, as desktop themes expect.
icon() {
    local n=$1 shape=$2 file=$3 s
    s=$(awk "BEGIN { print $n / 80 }")
    local art=(-size "${n}x$n" "gradient:$MAP_TOP-$MAP_BOTTOM")
    # Grid lines thinner than a pixel only muddy the small sizes.
    [ "$n" -ge 32 ] && art+=(-draw "scale $s,$s $(grid 80 80 16 "$MAP_GRID")")
    if [ "$shape" = square ]; then
        png PNG24 "$file" "${art[@]}" -draw "scale $s,$s $(pin 8 4 0.64)"
    else
        png PNG32 "$file" "${art[@]}" \
            \( -size "${n}x$n" xc:black -fill white -draw "scale $s,$s roundrectangle 2,2 77,77 14,14" \) \
            -alpha off -compose CopyOpacity -composite -compose Over \
            -draw "scale $s,$s $(pin 8 4 0.64)"
    fi
}

# The same tile as an SVG, for the scalable icon.
icon_svg() {
    local grid_lines="" x
    for ((x = 8; x < 80; x += 16)); do
        grid_lines+="<path d=\"M$x 0V80M0 ${x}H80\"/>"
    done
    cat <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="80" height="80" viewBox="0 0 80 80">
  <defs>
    <linearGradient id="map" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="$MAP_TOP"/>
      <stop offset="1" stop-color="$MAP_BOTTOM"/>
    </linearGradient>
    <clipPath id="tile"><rect x="2" y="2" width="75" height="75" rx="14"/></clipPath>
  </defs>
  <g clip-path="url(#tile)">
    <rect width="80" height="80" fill="url(#map)"/>
    <g stroke="#8cb9ff" stroke-opacity="0.16" stroke-width="1" fill="none">$grid_lines</g>
  </g>
  <g transform="translate(8 4) scale(0.64)">
    <ellipse cx="50" cy="95" rx="20" ry="5" fill="#000" fill-opacity="0.35"/>
    <path d="$PIN_PATH" fill="$PIN_ORANGE" stroke="#fff" stroke-width="6" stroke-linejoin="round"/>
    <circle cx="50" cy="45" r="17" fill="#fff"/>
    <circle cx="50" cy="45" r="8" fill="$PIN_ORANGE"/>
  </g>
</svg>
EOF
}

# The splash: the mark, the name and what the program does, on the night map.
splash() {
    local s=$1 file=$2
    png PNG24 "$file" -size "$((333 * s))x$((227 * s))" "gradient:$MAP_TOP-$MAP_BOTTOM" \
        -draw "scale $s,$s $(grid 333 227 20 "$MAP_GRID")
               stroke 'rgba(255,255,255,0.07)' stroke-width 9 line -20,150 140,-10 line 200,240 353,90
               $(pin 131 10 0.72)
               stroke none text-anchor middle
               font '$SANS_BOLD' font-size 40 fill 'rgba(0,0,0,0.45)' text 168,130 'Spawnsmith'
               fill white text 166,128 'Spawnsmith'
               fill '$PIN_ORANGE' rectangle 96,138 236,141
               font '$SANS' font-size 13 fill '#dce6f5' text 166,160 'main.scm spawn point code generator'
               fill 'rgba(0,0,0,0.35)' rectangle 0,186 333,227
               font '$MONO' font-size 10 fill '#9fd2ff' text 166,202 '032B: \$spawn = create_weapon_pickup ...'
               font '$SANS_BOLD' font-size 9 fill '$PIN_ORANGE' text 166,219 'GTA3  •  VICE CITY  •  SAN ANDREAS'"
}

# GTA3: white block letters on dark asphalt between two hazard-stripe kerbs.
logo_gta3() {
    local s=$1 file=$2 stripes="" x
    for ((x = -20; x < 220; x += 20)); do
        stripes+=" polygon $x,0 $((x + 10)),0 $((x - 10)),20 $((x - 20)),20"
    done
    png PNG24 "$file" -size "$((200 * s))x$((200 * s))" 'gradient:#2b2e33-#131416' \
        -draw "scale $s,$s
               push graphic-context fill '#f5b700' rectangle 0,0 200,20 fill '#1a1b1d' $stripes pop graphic-context
               push graphic-context translate 0,180 fill '#f5b700' rectangle 0,0 200,20 fill '#1a1b1d' $stripes pop graphic-context
               stroke 'rgba(255,255,255,0.08)' stroke-width 3 stroke-dasharray 14,10 line 0,152 200,152
               stroke none font '$CONDENSED_BOLD' font-size 66
               text-anchor end fill black text 148,123 'GTA' fill white text 145,120 'GTA'
               text-anchor start fill black text 150,123 '3' fill '#f5b700' text 147,120 '3'
               fill '#f5b700' rectangle 30,134 170,138"
}

# VICE CITY: slanted letters over a striped sunset sun and the sea.
logo_gtavc() {
    local s=$1 file=$2 slits="" y bottom half
    # Slits across the sun's lower half, thickening towards the horizon, none wider than the sun.
    for ((y = 104; y < 142; y += 8)); do
        bottom=$((y + (y - 96) / 8))
        half=$(awk "BEGIN { d = $y - 112; if ($bottom - 112 > d) d = $bottom - 112;
                            printf \"%d\", sqrt(46 * 46 - d * d) }")
        slits+=" rectangle $((100 - half)),$y $((100 + half)),$bottom"
    done
    png PNG24 "$file" \
        \( -size "$((200 * s))x$((100 * s))" 'gradient:#2a0f57-#c2306e' \
        -size "$((200 * s))x$((42 * s))" 'gradient:#c2306e-#ff9e4a' -append \
        -draw "scale $s,$s fill '#ffd66b' circle 100,112 100,66 fill '#d8406a' $slits" \) \
        -size "$((200 * s))x$((58 * s))" 'gradient:#17b3ad-#07474f' -append \
        -draw "scale $s,$s
               fill 'rgba(255,255,255,0.35)' rectangle 20,155 80,157 rectangle 110,169 180,171 rectangle 40,183 120,185
               font '$SANS_BOLD_OBLIQUE' font-size 50 text-anchor middle
               fill '#3b0d5e' text 104,66 'VICE' fill white text 100,62 'VICE'
               fill '#3b0d5e' text 104,126 'CITY' fill white text 100,122 'CITY'"
}

# SAN ANDREAS: serif letters over a desert dusk with layered hills.
logo_gtasa() {
    local s=$1 file=$2
    png PNG24 "$file" -size "$((200 * s))x$((200 * s))" 'gradient:#7ecbe8-#f6d38e' \
        -draw "scale $s,$s
               fill '#fff3c4' circle 156,44 156,62
               fill '#c77a3a' path 'M0,140 L30,112 L55,126 L92,92 L128,122 L160,100 L200,128 L200,200 L0,200 Z'
               fill '#7a4524' path 'M0,160 L40,138 L78,156 L118,132 L158,154 L200,142 L200,200 L0,200 Z'
               fill '#3f6b2a' path 'M0,182 Q50,168 100,178 T200,174 L200,200 L0,200 Z'
               stroke '#3b2314' stroke-width 5 stroke-linejoin round font '$SERIF_BOLD' text-anchor middle
               fill '#3b2314' font-size 58 text 100,86 'SAN' font-size 32 text 100,128 'ANDREAS'
               stroke none fill '#fff4dc' font-size 58 text 100,86 'SAN' font-size 32 text 100,128 'ANDREAS'"
}

for scale in 1 2; do
    suffix=""
    [ "$scale" = 2 ] && suffix=@2x
    splash "$scale" "$images/splash$suffix.png"
    logo_gta3 "$scale" "$images/gta3$suffix.png"
    logo_gtavc "$scale" "$images/gtavc$suffix.png"
    logo_gtasa "$scale" "$images/gtasa$suffix.png"
    icon $((80 * scale)) square "$images/icon$suffix.png"
done

for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x$size/apps"
    icon "$size" tile "$icons/${size}x$size/apps/$APP_ID.png"
done
icon_svg >"$icons/scalable/apps/$APP_ID.svg"

# The Windows icon: the tile in the sizes Windows asks for (title bar, taskbar, Explorer's
# views), taken from the PNGs above.  The 256 x 256 entry is stored as PNG, the others as
# bitmaps; an ICO has no timestamps, so it too comes out the same on every run.
mkdir -p "$out/packaging/windows"
ico_sizes=()
for size in 16 24 32 48 64 128 256; do
    ico_sizes+=("$icons/${size}x$size/apps/$APP_ID.png")
done
convert "${ico_sizes[@]}" "$out/packaging/windows/spawnsmith.ico"

if [ "$out" != . ]; then
    status=0
    while IFS= read -r file; do
        cmp -s "$out/$file" "$file" || { echo "differs: $file"; status=1; }
    done < <(cd "$out" && find . -type f | sort)
    [ "$status" = 0 ] && echo "artwork is up to date"
    exit "$status"
fi
