#!/usr/bin/env bash
# Every window but the splash has a fixed size and neither a minimize nor a maximize button.
# This starts the real program under Xvfb with openbox, opens one window of each kind and reads
# what the program asks of the window manager, and what openbox made of it:
#   WM_NORMAL_HINTS           a minimum size equal to the maximum size
#   _MOTIF_WM_HINTS           no minimize or maximize function, and no such button
#   _NET_WM_ALLOWED_ACTIONS   (openbox's decision) no maximize and no resize action
# Openbox 3.6 lets no _MOTIF_WM_HINTS remove a minimize or maximize button: it takes maximizing
# (and resizing) away only from a window whose minimum size is its maximum, and keeps the
# maximize button's place in the title bar, drawn disabled, when the close button follows it.
# It offers minimizing to every normal window and dialog whatever the hints say (only menus
# and toolbars lose it), so its minimize action is the window manager's choice, not checked.
# Usage: decorations.sh [--artifacts DIR] [--] PROGRAM [ARG...]
# Prints one line per case and "N passed, N failed"; exits 1 when a case failed and 2 when the
# display could not be started. Stands alone: it starts and ends its own X server.
set -uo pipefail
# shellcheck source=scripts/skipped.sh
source "$(dirname "$0")/../../scripts/skipped.sh"

artifacts=${REALX_ARTIFACTS:-$PWD/realx-artifacts}
while [ $# -gt 0 ]; do
    case $1 in
    --artifacts) artifacts=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
    esac
done
if [ $# -eq 0 ]; then
    echo "usage: $0 [--artifacts DIR] [--] PROGRAM [ARG...]" >&2
    exit 2
fi
app=("$@")
for tool in Xvfb xauth openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 2; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/decorations.XXXXXX")
mkdir -m 700 "$tmp/runtime" "$tmp/config"
xvfb_pid="" wm_pid="" app_pid=""

# Whatever ends the script (the last case, a failure to start, Ctrl+C, ctest's time-out), the
# program, the window manager and the X server end with it and the scratch folder goes.
cleanup() {
    end_process "$app_pid"
    end_process "$wm_pid"
    end_process "$xvfb_pid"
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds; fails once the time is up.
wait_until() {
    local tries=$(($1 * 20))
    shift
    for ((n = 0; n < tries; n++)); do
        "$@" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

# --- the display -----------------------------------------------------------------------------

cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
xauth -q -f "$tmp/server.auth" add :0 . "$cookie" 2>/dev/null
: >"$tmp/displayfd"
# Keys repeat only once held for a second: on a busy machine xdotool can be held up between a
# press and its release, and a quicker repeat would press a button twice.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset -auth "$tmp/server.auth" \
    -ardelay 1000 -arinterval 33 3>"$tmp/displayfd" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
display_number() { [ -n "$(head -n1 "$tmp/displayfd")" ]; }
if ! wait_until 10 display_number; then
    echo "Xvfb did not start:" >&2
    cat "$tmp/xvfb.log" >&2
    exit 2
fi
DISPLAY=":$(head -n1 "$tmp/displayfd")"
XAUTHORITY="$tmp/client.auth"
export DISPLAY XAUTHORITY
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie" 2>/dev/null
wait_until 10 xprop -root _XKB_RULES_NAMES >/dev/null

# openbox with its stock configuration, whatever the user's own says; it is ready once the
# root window names its check window (the EWMH handshake).
XDG_CONFIG_HOME="$tmp/config" openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
if ! wait_until 10 wm_ready; then
    echo "openbox did not take over $DISPLAY:" >&2
    cat "$tmp/openbox.log" >&2
    exit 2
fi

# --- the program -----------------------------------------------------------------------------

active_caption() { xdotool getactivewindow getwindowname; }
caption_is() { [ "$(active_caption)" = "$1" ]; }

# launch: starts the program and waits past the splash for the game-pick screen. A Linux build
# uses Qt's X11 platform even where the test run asks Qt programs to be headless; a Windows
# build under Wine has only its own.
launch() {
    end_process "$app_pid"
    if [[ "$(basename "${app[0]}")" == wine* ]]; then
        env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/runtime" "${app[@]}" >>"$tmp/app.log" 2>&1 &
    else
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime" "${app[@]}" >>"$tmp/app.log" 2>&1 &
    fi
    app_pid=$!
    wait_until 15 caption_is "Spawnsmith | GTA Pick"
}

# allows BITS FLAGS FIELD BIT: whether _MOTIF_WM_HINTS allow a function or decoration. Without
# FLAGS' bit for the field everything is allowed; with the field's "all" bit the listed ones are
# the exceptions.
allows() {
    local flags=$1 field=$2 value=$3 bit=$4
    ((flags & field)) || return 0
    if ((value & 1)); then ((!(value & bit))); else ((value & bit)); fi
}

# check_window: the active window's hints and openbox's allowed actions. Prints every departure
# (after the case's line) and fails when there is one.
check_window() {
    local id problems=()
    id=$(xdotool getactivewindow)
    local normal motif actions
    normal=$(xprop -id "$id" WM_NORMAL_HINTS)
    motif=$(xprop -id "$id" _MOTIF_WM_HINTS)
    actions=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)
    local min max
    min=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$normal")
    max=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$normal")
    [ -n "$min" ] && [ "$min" = "$max" ] ||
        problems+=("WM_NORMAL_HINTS: minimum size '$min', maximum size '$max'")
    local fields
    read -r -a fields <<<"$(sed -n 's/.*= //p' <<<"$motif" | tr -d ,)"
    if [ ${#fields[@]} -lt 3 ]; then
        problems+=("no _MOTIF_WM_HINTS")
    else
        local flags=$((fields[0])) functions=$((fields[1])) decorations=$((fields[2]))
        # Functions: minimize 8, maximize 16 (field bit 1); decorations: minimize 32,
        # maximize 64 (field bit 2).
        allows "$flags" 1 "$functions" 8 && problems+=("_MOTIF_WM_HINTS allow minimizing")
        allows "$flags" 1 "$functions" 16 && problems+=("_MOTIF_WM_HINTS allow maximizing")
        allows "$flags" 2 "$decorations" 32 && problems+=("_MOTIF_WM_HINTS ask for a minimize button")
        allows "$flags" 2 "$decorations" 64 && problems+=("_MOTIF_WM_HINTS ask for a maximize button")
    fi
    local action
    for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
        grep -q "_NET_WM_ACTION_$action\b" <<<"$actions" &&
            problems+=("openbox allows _NET_WM_ACTION_$action")
    done
    [ ${#problems[@]} -eq 0 ] && return 0
    {
        printf '    %s\n' "${problems[@]}"
        printf '%s\n' "$normal" "$motif" "$actions" | sed 's/^/      /'
    } >"$tmp/problems"
    return 1
}

# --- the cases -------------------------------------------------------------------------------

# One window of each kind: its caption, and how it is reached from the game-pick screen (focus
# on the GTA3 button, the first in the tab order): keys, and between them the caption of the
# window that must be active before the next keys, all separated by ">".
code_pick="Spawnsmith | GTA3 Code Pick"
creator="Spawnsmith | GTA3 Weapon Spawn Point Creator"
cases=(
    "Spawnsmith | GTA Pick;"
    "Spawnsmith | Exit?;Tab Tab Tab Return"
    "Spawnsmith | About Program;ctrl+p"
    "Spawnsmith | E-Mail Author;ctrl+e"
    "$code_pick;Return"
    "Spawnsmith | Function Not Available;Return>$code_pick>Tab Tab Return"
    "$creator;Return>$code_pick>Return"
    "Spawnsmith | GTA3 Weapon Spawn Point Code;Return>$code_pick>Return>$creator>Tab Tab Tab Tab Tab Tab Return"
)

# reach PATH: presses the keys of a case's path, each group once its window is active.
reach() {
    local steps step n=0
    IFS='>' read -r -a steps <<<"$1"
    for step in "${steps[@]}"; do
        if ((n++ % 2)); then
            wait_until 10 caption_is "$step" || return 1
        else
            # shellcheck disable=SC2086
            [ -z "$step" ] || xdotool key --delay 60 $step
        fi
    done
}

passed=0 failed=0
for row in "${cases[@]}"; do
    IFS=';' read -r caption path <<<"$row"
    ok=0
    if ! launch; then
        echo "FAIL $caption: the game-pick screen did not come up"
    elif ! reach "$path" || ! wait_until 10 caption_is "$caption"; then
        echo "FAIL $caption: not reached (the active window is \"$(active_caption)\")"
    elif check_window; then
        ok=1
        echo "PASS $caption"
    else
        echo "FAIL $caption"
        cat "$tmp/problems"
    fi
    if [ $ok = 1 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        if command -v import >/dev/null; then
            mkdir -p "$artifacts"
            shot="$artifacts/decorations-$(tr -c 'A-Za-z0-9_.-' _ <<<"$caption").png"
            import -window root "$shot" 2>/dev/null && echo "    screenshot: $shot"
        fi
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
