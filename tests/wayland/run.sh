#!/usr/bin/env bash
# Which window system the program comes up on in a Wayland session. Weston, the reference
# Wayland compositor, runs headless with a private runtime folder, with or without XWayland, and
# the program starts in a clean environment as a Wayland session sets it (WAYLAND_DISPLAY,
# XDG_SESSION_TYPE=wayland, DISPLAY where XWayland is offered; no QT_QPA_PLATFORM):
# - with XWayland it is an X11 client: its windows are X windows on XWayland's display, which the
#   compositor shows;
# - without XWayland it is a native Wayland client (an xdg_toplevel in the compositor's scene);
# - without Qt's Wayland plugin (Debian's qt6-wayland) XWayland still serves it, and with
#   neither Qt says why and the program ends instead of hanging.
# Which plugin Qt tried and loaded is read from Qt's own log (qt.qpa.plugin); the compositor's
# scene comes from weston-debug over Weston's debug protocol. Which platforms the program asks
# Qt for, the user's QT_QPA_PLATFORM and -platform included, tests/qtplatformchoice_test.cpp
# proves without a compositor; here Qt and a real compositor act on that choice.
#
# Usage: run.sh PROGRAM QT_PLUGIN_DIR
# QT_PLUGIN_DIR is the folder of Qt's plugins the program loads (platforms/ is in it).
# Prints a PASS or FAIL line per case and "N passed, N failed"; exits 1 if a case failed, and 77
# (skipped) with the reason when the compositor or XWayland cannot start on this machine.

set -uo pipefail
# shellcheck source=scripts/skipped.sh
source "$(dirname "$0")/../../scripts/skipped.sh"

if [ $# -ne 2 ]; then
    echo "usage: $0 PROGRAM QT_PLUGIN_DIR" >&2
    exit 2
fi
APP=$(realpath "$1")
QT_PLATFORMS=$2/platforms
for plugin in libqxcb.so libqwayland-generic.so; do
    [ -f "$QT_PLATFORMS/$plugin" ] || skipped wayland_session "$QT_PLATFORMS/$plugin is missing"
done
for tool in weston Xwayland weston-debug xwininfo xprop; do
    command -v "$tool" >/dev/null || skipped wayland_session "$tool is missing"
done

TMP=$(mktemp -d "${TMPDIR:-/tmp}/wayland-test.XXXXXX")
# The compositor's socket and lock live in a runtime folder of our own (it must be private to
# its owner, as mktemp makes it), so no other session on the machine sees or disturbs them.
RUNTIME=$TMP/runtime
SOCKET=spawnsmith-test
mkdir -m 700 "$RUNTIME" "$TMP/home"
WESTON_PID=""
APP_PID=""
XDISPLAY=""
CASE=""
# An aborting program (the case without any usable plugin) leaves no core file behind.
ulimit -c 0

cleanup() {
    end_process "$APP_PID"
    end_process "$WESTON_PID"
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# wait_for SECONDS COMMAND [ARG...]: runs COMMAND every 0.1 s until it succeeds or time is up.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# --- the compositor ------------------------------------------------------------------------

weston_ready() {
    [ -S "$RUNTIME/$SOCKET" ] || return 1
    [ "$1" = no-xwayland ] || grep -q 'xserver listening on display' "$TMP/weston.log"
}

weston_ready_or_gone() {
    weston_ready "$1" || ! kill -0 "$WESTON_PID" 2>/dev/null
}

# start_weston xwayland|no-xwayland: a headless Weston with the desktop shell and its debug
# protocol, without the user's weston.ini. Weston's XWayland module takes a free X display at
# once and starts the X server when the first X client connects; it is started here by a first
# look at the root window. Exits 77 when either cannot start.
start_weston() {
    end_process "$WESTON_PID"
    rm -f "$TMP/weston.log"
    local xwayland=()
    [ "$1" = xwayland ] && xwayland=(--xwayland)
    XDG_RUNTIME_DIR=$RUNTIME HOME=$TMP/home \
        weston --backend=headless-backend.so --no-config --socket="$SOCKET" --idle-time=0 \
        --width=1024 --height=768 --debug "${xwayland[@]}" --log="$TMP/weston.log" \
        >"$TMP/weston.out" 2>&1 &
    WESTON_PID=$!
    wait_for 20 weston_ready_or_gone "$1"
    if ! weston_ready "$1"; then
        tail -n 20 "$TMP/weston.out" "$TMP/weston.log" 2>/dev/null
        skipped wayland_session "the headless Weston compositor did not start ($*)"
    fi
    XDISPLAY=""
    [ "$1" = xwayland ] || return 0
    XDISPLAY=$(grep -o 'xserver listening on display :[0-9]*' "$TMP/weston.log" | grep -o ':[0-9]*$')
    if ! timeout 10 env DISPLAY="$XDISPLAY" xprop -root _XKB_RULES_NAMES >/dev/null 2>&1; then
        tail -n 20 "$TMP/weston.log"
        skipped wayland_session "XWayland did not answer on $XDISPLAY"
    fi
}

# The compositor's scene graph: every surface it shows, with role, title and program.
scene() {
    XDG_RUNTIME_DIR=$RUNTIME WAYLAND_DISPLAY=$SOCKET timeout 5 weston-debug scene-graph 2>/dev/null
}

# --- the program ---------------------------------------------------------------------------

# start_app: starts the program (APP_PROGRAM, by default the one under test) in the clean
# environment of a Wayland session, with DISPLAY where XWayland runs. With APP_IN_SHELL=1 it runs
# under a shell that reports its end as an exit status, so that an abort expected of it leaves no
# message from bash in the test's output.
start_app() {
    end_process "$APP_PID"
    local session=(XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$SOCKET")
    [ -n "$XDISPLAY" ] && session+=(DISPLAY="$XDISPLAY")
    local shell=()
    [ "${APP_IN_SHELL:-0}" = 1 ] && shell=(sh -c '"$@"; exit $?' sh)
    env -i PATH="$PATH" HOME="$TMP/home" LANG=C.UTF-8 XDG_RUNTIME_DIR="$RUNTIME" \
        "${session[@]}" QT_LOGGING_RULES="qt.qpa.plugin=true" \
        "${shell[@]}" "${APP_PROGRAM:-$APP}" >"$TMP/app.log" 2>&1 &
    APP_PID=$!
}

app_alive() {
    kill -0 "$APP_PID" 2>/dev/null
}

CAPTION="Spawnsmith | GTA Pick"

x_window_shown() {
    DISPLAY=$XDISPLAY xwininfo -root -tree 2>/dev/null | grep -qF "\"$CAPTION\""
}

# The game-pick screen in the compositor's scene, as a surface of a Wayland client of its own
# (an xdg_toplevel) or as any surface (an X window goes through XWayland).
wayland_toplevel_shown() {
    scene | grep -F "top-level window '$CAPTION'" | grep -qF 'role xdg_toplevel'
}

scene_shows_window() {
    scene | grep -qF "top-level window '$CAPTION'"
}

# The game-pick screen is shown on either window system, or the program ended: the wait is over
# as soon as the outcome is known, whichever it is.
shown_anywhere_or_gone() {
    x_window_shown || wayland_toplevel_shown || ! app_alive
}

# --- cases ---------------------------------------------------------------------------------

# The program as it runs where qt6-wayland is not installed: a copy of it next to a qt.conf that
# points Qt at a plugin folder with the X11 platform alone (Qt reads qt.conf from the program's
# folder).
NO_WAYLAND_PROGRAM=$TMP/no-wayland-plugin/spawnsmith
mkdir -p "$TMP/no-wayland-plugin/plugins/platforms"
cp "$APP" "$NO_WAYLAND_PROGRAM"
ln -s "$QT_PLATFORMS/libqxcb.so" "$TMP/no-wayland-plugin/plugins/platforms/"
printf '[Paths]\nPlugins=%s\n' "$TMP/no-wayland-plugin/plugins" >"$TMP/no-wayland-plugin/qt.conf"

# Columns: the compositor (with or without XWayland); the program (as built, or without Qt's
# Wayland plugin); where the game-pick screen comes up (x11: an X window on XWayland's display,
# shown by the compositor; wayland: an xdg_toplevel of its own; none: the program ends with
# Qt's reason); the platforms it asks Qt for and the one Qt loads.
CASES=(
    "xwayland|built|x11|xcb;wayland|xcb"
    "xwayland|no-wayland-plugin|x11|xcb;wayland|xcb"
    "no-xwayland|built|wayland|wayland;xcb|wayland"
    "no-xwayland|no-wayland-plugin|none||"
)

fail() {
    echo "FAIL $CASE: $*"
    echo "     the program's output:"
    sed 's/^/       /' "$TMP/app.log"
    return 1
}

# expect_log TEXT: the program's output has this line part.
expect_log() {
    grep -qF "$1" "$TMP/app.log" || fail "its output lacks: $1"
}

nothing_shown() {
    ! x_window_shown && ! scene_shows_window
}

# check_case WHERE ASKED LOADED: the program under the running compositor comes up where it
# should, having asked Qt for ASKED and been given LOADED.
check_case() {
    if [ "$1" = none ]; then
        # No window system to show anything on: Qt names the plugin it could not find, and the
        # program ends with an error at once.
        wait_for 10 eval '! app_alive' || { fail "the program is still running"; return; }
        wait "$APP_PID"
        local status=$?
        APP_PID=""
        [ "$status" -ne 0 ] || fail "the program ended with status 0" || return
        expect_log 'Could not find the Qt platform plugin "wayland"'
        return
    fi
    wait_for 20 shown_anywhere_or_gone
    if [ "$1" = x11 ]; then
        x_window_shown || { fail "no X window \"$CAPTION\" on $XDISPLAY"; return; }
        wait_for 5 scene_shows_window || { fail "the compositor does not show it"; return; }
        ! wayland_toplevel_shown || { fail "a Wayland surface \"$CAPTION\" too"; return; }
    else
        wayland_toplevel_shown || { fail "no Wayland toplevel \"$CAPTION\""; return; }
        [ -z "$XDISPLAY" ] || ! x_window_shown || { fail "an X window \"$CAPTION\" too"; return; }
    fi
    app_alive || { fail "the program ended"; return; }
    expect_log "init_platform called with pluginNamesWithArguments \"$2\"" &&
        expect_log "Successfully loaded Qt platform plugin \"$3\""
}

passed=0
failed=0
compositor=""
for row in "${CASES[@]}"; do
    IFS='|' read -r wanted program where asked loaded <<<"$row"
    [ "$wanted" = "$compositor" ] || start_weston "$wanted"
    compositor=$wanted
    CASE="$compositor, program $program: comes up on $where"
    program_path=$APP
    [ "$program" = built ] || program_path=$NO_WAYLAND_PROGRAM
    # Under a shell that reports its end as a status, an expected abort leaves no bash message.
    APP_PROGRAM=$program_path APP_IN_SHELL=$([ "$where" = none ] && echo 1 || echo 0) start_app
    if check_case "$where" "$asked" "$loaded"; then
        passed=$((passed + 1))
        echo "PASS $CASE"
    else
        failed=$((failed + 1))
    fi
    end_process "$APP_PID"
    APP_PID=""
    # The X server and the compositor drop a client's windows once they see it gone; the next
    # case starts when they have, so that it cannot take them for its own.
    wait_for 5 nothing_shown
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
