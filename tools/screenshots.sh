#!/usr/bin/env bash
# Refreshes docs/screenshots/: builds the screenshot walker, starts a virtual X server with a
# window manager (so that captions, icons and frames show) and walks the wizard's screens.
# Usage: tools/screenshots.sh                  the documentation's pictures, in docs/screenshots/
#        tools/screenshots.sh --all FOLDER     every window once, alone, for a review of layouts
#        tools/screenshots.sh --walker PROGRAM FOLDER [--all]
#                                              the same with a walker already built, into FOLDER
#                                              (the screenshot check, tests/screenshots, uses it)
#
# Every picture must come out the same on every machine, to the pixel but for font
# anti-aliasing, or the screenshot check could not compare them. So the walker and the window
# manager run in a surrounding of their own, whatever the user's desktop is like:
#   - Xvfb with one 1024x768 screen of 24-bit colour at 96 dots per inch, no pointer drawn;
#   - a clean environment (env -i): no Qt platform theme, style, scale factor or font DPI from
#     the user's environment; home, configuration, cache and runtime folders that are empty;
#   - the font configuration tools/screenshots/fonts.conf, which knows only the DejaVu fonts of
#     fonts-dejavu-core and fixes anti-aliasing and hinting (the walker refuses to run in any
#     other font than DejaVu Sans);
#   - openbox with tools/screenshots/openbox.xml (theme, caption font, one desktop), not the
#     user's configuration;
#   - the walker keeps the text cursor from blinking, parks the pointer in the screen's corner
#     and takes each picture once the windows have settled (see Photographer::settle).
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)

scratch="" # the display's scratch folder: X authority, logs, empty home and cache
xvfb=""    # the X server's process
wm=""      # the window manager's process

# Ends the window manager and the X server and removes the scratch folder, however the script
# ends.
cleanup() {
    for pid in $wm $xvfb; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    [ -z "$scratch" ] || rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# photograph WALKER FOLDER [--all]: runs the walker on a virtual display of its own.
photograph() {
    local walker=$1 folder=$2
    shift 2
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/screenshots.XXXXXX")
    mkdir -m 700 "$scratch/home" "$scratch/cache" "$scratch/runtime"

    local cookie
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    xauth -q -f "$scratch/server.auth" add :0 . "$cookie" 2>/dev/null
    # -displayfd: the server picks a free display and reports its number; -noreset: it stays
    # up when its first client (the xprop below) disconnects.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nocursor -nolisten tcp -noreset \
        -auth "$scratch/server.auth" 3>"$scratch/displayfd" >"$scratch/xvfb.log" 2>&1 &
    xvfb=$!
    local number=""
    for _ in $(seq 200); do
        number=$(head -n1 "$scratch/displayfd")
        [ -n "$number" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.05
    done
    if [ -z "$number" ]; then
        echo "Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        return 2
    fi
    xauth -q -f "$scratch/client.auth" add ":$number" . "$cookie" 2>/dev/null

    local clean=(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$scratch/home"
        XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
        XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime"
        XDG_CONFIG_DIRS=/etc/xdg XDG_DATA_DIRS=/usr/share
        DISPLAY=":$number" XAUTHORITY="$scratch/client.auth"
        FONTCONFIG_FILE="$tools/screenshots/fonts.conf"
        # No session bus: nothing to start one, and no accessibility bridge to connect to it.
        DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus")
    # A sanitizer build of the walker keeps its settings.
    local name
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [ -n "${!name:-}" ] && clean+=("$name=${!name}")
    done

    "${clean[@]}" openbox --sm-disable --config-file "$tools/screenshots/openbox.xml" \
        >"$scratch/openbox.log" 2>&1 &
    wm=$!
    # Waits until openbox manages the screen: the root window names its check window.
    local ready=""
    for _ in $(seq 200); do
        if "${clean[@]}" xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null |
            grep -q 'window id'; then
            ready=1
            break
        fi
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.05
    done
    if [ -z "$ready" ]; then
        echo "openbox did not take over the screen:" >&2
        cat "$scratch/openbox.log" >&2
        return 2
    fi

    local status=0
    "${clean[@]}" QT_QPA_PLATFORM=xcb "$walker" "$folder" "$@" || status=$?
    return "$status"
}

# Folders and programs named on the command line are taken from the folder the script was
# started in; the build runs from the top of the repository.
case "${1:-}" in
--walker)
    [ $# -ge 3 ] || { echo "usage: $0 --walker PROGRAM FOLDER [--all]" >&2; exit 2; }
    walker=$(realpath "$2")
    mkdir -p "$3"
    folder=$(realpath "$3")
    shift 3
    photograph "$walker" "$folder" "$@"
    exit
    ;;
--all)
    [ $# -eq 2 ] || { echo "usage: $0 --all FOLDER" >&2; exit 2; }
    mkdir -p "$2"
    folder=$(realpath "$2")
    mode=(--all)
    ;;
"")
    folder=""
    mode=()
    ;;
*)
    echo "usage: $0 [--all FOLDER | --walker PROGRAM FOLDER [--all]]" >&2
    exit 2
    ;;
esac

cd "$tools/.."
scripts/deps.sh xvfb xauth openbox x11-utils
build=build/tools
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DSPAWNSMITH_TOOLS=ON >/dev/null
cmake --build "$build" --target spawnsmith_screenshots
walker=$(realpath "$build/tools/spawnsmith_screenshots")

if [ -n "$folder" ]; then
    photograph "$walker" "$folder" "${mode[@]}"
else
    # The documentation's pictures are replaced only when the walk succeeded (a failed one
    # ends the script here).
    fresh=$(realpath "$build")/screenshots
    rm -rf "$fresh"
    mkdir -p "$fresh"
    photograph "$walker" "$fresh"
    rm -f docs/screenshots/*.png
    cp "$fresh"/*.png docs/screenshots/
fi
