#!/usr/bin/env bash
# The real program under a real X server (Xvfb) with a window manager (openbox), driven with
# xdotool and read back through the X server and the clipboard (xprop, xwininfo, xclip). Each
# scenario checks what only the X event path and a window manager show: the server's key repeats
# and double clicks, clicks queued while the program is busy, the window manager's focus,
# stacking and frames. What the program decides with those events is proved offscreen by
# tests/robustness_test.cpp; these scenarios prove that the real events reach those decisions.
#
# Usage: driver.sh [--artifacts DIR] [--list] [SCENARIO...] -- PROGRAM [ARG...]
#   --list      prints the scenario names, one a line (ctest registers one test each)
#   SCENARIO    runs these scenarios only (default: all), each on a fresh display
#   PROGRAM     the launch command: build/test/src/spawnsmith, or wine .../spawnsmith.exe
# Prints PASS or FAIL per scenario and "N passed, N failed"; exits 1 on a failure and 77
# (scripts/skipped.sh) when a tool is missing or the display cannot start.
#
# A scenario is a function "scenario_NAME" and a row in SCENARIOS below; a failure says which
# fault of the program it points at.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/skipped.sh
source "$here/../../scripts/skipped.sh"

# name | the program fault it catches
SCENARIOS=(
    "held-key|a held Enter on Generate acts again in the result screen (types, or Exit and Yes)"
    "double-click|the second click of a double click on Generate acts on the result screen"
    "queued-clicks|clicks queued while the program was busy act on a screen already unloaded"
    "dialog-front|a dialog is not brought back to the front when its locked screen is clicked"
    "dialog-minimized|a minimized dialog stays hidden when its locked screen is activated"
    "focus-after-no|after No the focus is not back on Exit, so Enter does not reopen Exit?"
    "placement|a window is not centred with its frame, or its title bar is off a small screen"
    "splash-nameless|the frameless splash carries a window name a taskbar would list"
    "keyboard-walk|the keyboard-only walk to a copied Rocket Launcher line and out fails"
)
POLL=0.05
# Keys repeat once held this long (ms), at 30 a second. Longer than X's usual quarter second, so
# that a busy machine holding up xdotool's release for a moment does not repeat an ordinary key.
REPEAT_DELAY=1000
PICK="Spawnsmith | GTA Pick"
EXIT_DIALOG="Spawnsmith | Exit?"

# --- processes and the display ---------------------------------------------------------------

XVFB_PID="" WM_PID="" APP_PID="" APP_STATUS=""
stop_display() {
    end_process "$APP_PID"
    end_process "$WM_PID"
    end_process "$XVFB_PID"
    APP_PID="" WM_PID="" XVFB_PID=""
}
# setup: the scratch folder, and whatever ends the run, a signal included, ends every process
# it started and removes the folder.
setup() {
    for tool in Xvfb xauth openbox xdotool xclip xprop xwininfo; do
        command -v "$tool" >/dev/null || skipped "real-X scenarios" "$tool is not installed"
    done
    TMP=$(mktemp -d "${TMPDIR:-/tmp}/realx.XXXXXX")
    trap 'stop_display; rm -rf "$TMP"' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    # Failure messages reach the output even from inside a command substitution.
    exec 9>&1
}

# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds or the time is up.
wait_for() {
    local end=$((${EPOCHREALTIME/./} + ${1%.*} * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$end" ] || return 1
        sleep "$POLL"
    done
}

# start_display WIDTHxHEIGHT: Xvfb on a free display (it reports the number through -displayfd),
# then openbox with its stock configuration, ready once it has announced itself on the root
# window (the EWMH check window names itself).
start_display() {
    stop_display
    local cookie
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    xauth -q -f "$TMP/server.auth" add :0 . "$cookie" 2>/dev/null
    : >"$TMP/displayfd"
    # -noreset: else the server resets when its last client leaves and refuses the next one.
    Xvfb -displayfd 3 -screen 0 "${1}x24" -dpi 96 -nolisten tcp -noreset -auth "$TMP/server.auth" \
        -ardelay "$REPEAT_DELAY" -arinterval 33 3>"$TMP/displayfd" >"$TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$TMP/displayfd" || skipped "real-X scenarios" "Xvfb did not start"
    DISPLAY=":$(head -n1 "$TMP/displayfd")"
    export DISPLAY XAUTHORITY=$TMP/client.auth
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie" 2>/dev/null
    wait_for 10 eval 'xprop -root _XKB_RULES_NAMES >/dev/null 2>&1'
    mkdir -p "$TMP/config" "$TMP/runtime" && chmod 700 "$TMP/runtime"
    XDG_CONFIG_HOME=$TMP/config openbox --sm-disable >"$TMP/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for 10 wm_ready || skipped "real-X scenarios" "openbox did not take the screen"
}
wm_ready() {
    local check
    check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*') &&
        xprop -id "$check" -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}

# launch [WAIT]: starts the program (on Qt's X11 platform whatever the test run asks of Qt
# programs; a Windows build under Wine has its own) and, unless WAIT is "no", waits past the
# splash for the game-pick screen.
launch() {
    end_process "$APP_PID"
    xdotool mousemove 0 0 # the pointer rests in a corner, over no window
    local platform=(QT_QPA_PLATFORM=xcb)
    [[ "$(basename "${APP[0]}")" == wine* ]] && platform=(-u QT_QPA_PLATFORM)
    env "${platform[@]}" XDG_RUNTIME_DIR="$TMP/runtime" "${APP[@]}" >>"$TMP/app.log" 2>&1 &
    APP_PID=$!
    APP_STATUS=""
    [ "${1:-}" = no ] || active "$PICK" 15
}
app_alive() {
    local stat
    stat=$(cat "/proc/$APP_PID/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}
# The program is running, not stopped, and asleep in the kernel: it has no event to work on.
app_idle() {
    local stat
    stat=$(cat "/proc/$APP_PID/stat" 2>/dev/null) && stat=${stat##*) } && [ "${stat%% *}" = S ]
}

# --- what the X server shows ----------------------------------------------------------------

# The managed windows, "ID<TAB>CAPTION" a line (ID in decimal), bottom of the stack first.
windows() {
    local id
    for id in $(xprop -root -notype _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -o '0x[0-9a-f]*')
    do
        printf '%d\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}
captions() { windows | cut -f2 | paste -sd, - | sed 's/,/, /g'; }
window_id() {
    windows | awk -F'\t' -v c="$1" '$2 == c { id = $1 } END { if (id == "") exit 1; print id }'
}
active_id() {
    xprop -root -notype _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*' |
        { read -r id && [ "$((id))" != 0 ] && echo "$((id))"; }
}
active_caption() { xdotool getwindowname "$(active_id)" 2>/dev/null; }
is_active() { [ "$(active_caption)" = "$1" ]; }
# active CAPTION [SECONDS]: waits until that window is the active one, so keys go to it.
active() {
    wait_for "${2:-10}" is_active "$1" && return 0
    fail "\"$1\" is not active within ${2:-10} s; active: \"$(active_caption)\";" \
        "on screen: $(captions)"
}
# Waits until the program is idle and the windows and the active one stay the same over three
# looks 100 ms apart (at most 5 s): before checking that something did NOT happen.
settle() {
    local previous="" now stable=0
    for _ in $(seq 50); do
        now="$(windows)|$(active_id)"
        if [ "$now" = "$previous" ] && { ! app_alive || app_idle; }; then
            stable=$((stable + 1))
            [ "$stable" -lt 3 ] || return 0
        else
            stable=0
        fi
        previous=$now
        sleep 0.1
    done
}
# screens EXPECTED: once settled, the program runs and shows exactly these captions, bottom first.
screens() {
    settle
    app_alive || { fail "the program ended; expected [$1] on screen"; return; }
    [ "$(captions)" = "$1" ] || fail "on screen: [$(captions)], expected [$1]"
}
# client ID: "X Y WIDTH HEIGHT" of the client area in root coordinates.
client() {
    xwininfo -id "$1" 2>/dev/null | awk -F: '/Absolute upper-left X/ { x = $2 }
        /Absolute upper-left Y/ { y = $2 } /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
        END { if (w == "") exit 1; print x + 0, y + 0, w + 0, h + 0 }'
}
# framed ID: "X Y WIDTH HEIGHT" with the window manager's frame (_NET_FRAME_EXTENTS) included.
framed() {
    local x y w h l=0 r=0 t=0 b=0
    read -r x y w h < <(client "$1") || return 1
    read -r l r t b < <(xprop -id "$1" -notype _NET_FRAME_EXTENTS 2>/dev/null |
        grep -o '[0-9, ]*$' | tr -d ,)
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
work_area() { xprop -root -notype _NET_WORKAREA | grep -o '[0-9, ]*$' | tr -d , | cut -d' ' -f2-5; }
map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State/ { print $3 }'; }
# above UPPER LOWER: window UPPER is stacked above window LOWER.
above() {
    windows | awk -F'\t' -v u="$1" -v l="$2" \
        '$1 == l { seen = 1 } $1 == u { up = seen } END { exit !up }'
}

# --- input ----------------------------------------------------------------------------------

keys() { xdotool key --delay 60 "$@"; }
# Return pressed again with no other key since the last one. Wine loses the release of a key
# whose press opened a window, so there the next press arrives marked as a repeat, and the
# program takes a marked repeat within 1.5 s of the key's last press (longer than any
# keyboard's repeat delay) as a held key. A person's second Return comes later than that on a
# new window; under Wine the walk waits as long, so that it tests the program and not the race.
LAST_RETURN=0
return_again() {
    if [[ "$(basename "${APP[0]}")" == wine* ]]; then
        local wait
        wait=$(awk -v last="$LAST_RETURN" -v now="${EPOCHREALTIME/,/.}" \
            'BEGIN { w = last + 1.6 - now; if (w > 0) printf "%.2f", w }')
        [ -z "$wait" ] || sleep "$wait"
    fi
    keys Return
    LAST_RETURN=${EPOCHREALTIME/,/.}
}
type_text() { xdotool type --delay 40 -- "$1"; }
# hold KEY: holds a key some 35 repeats past the autorepeat delay, then lets it go.
hold() {
    xdotool keydown "$1"
    sleep "$((REPEAT_DELAY / 1000 + 1)).2"
    xdotool keyup "$1"
}
# click CAPTION X Y [COUNT]: clicks COUNT times, 80 ms apart, at X, Y of the window's client area;
# a negative Y counts from its bottom.
click() {
    local id x y w h
    id=$(window_id "$1") && read -r x y w h < <(client "$id") ||
        { fail "no window \"$1\""; return; }
    local at_x=$((x + $2)) at_y=$((y + $3))
    [ "$3" -ge 0 ] || at_y=$((at_y + h))
    xdotool mousemove "$at_x" "$at_y"
    # (xdotool's own --sync waits for a movement, and so for seconds when there is none.)
    wait_for 2 eval '[ "$(xdotool getmouselocation | cut -d" " -f1,2)" = "x:$at_x y:$at_y" ]'
    xdotool click --repeat "${4:-1}" --delay 80 1
}
# copied EXPECTED: selects all of the focused box, copies it and compares the clipboard's text,
# read exactly (a trailing blank or line break counts). Waits while nobody owns the clipboard
# yet, since the copy may still be on its way through the program's events.
copied() {
    keys ctrl+a ctrl+c
    local text=""
    wait_for 3 eval 'text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null && printf x)'
    text=${text%x}
    [ "$text" = "$1" ] || fail "the box's text is \"$(show "$text")\", expected \"$(show "$1")\""
}
show() { printf '%s' "$1" | sed -z 's/\r/\\r/g; s/\n/\\n/g'; }

# --- scenarios ------------------------------------------------------------------------------

failed=0
# fail MESSAGE: reports the running scenario's first failure with a screenshot; returns 1, so
# "step || return" ends the scenario.
fail() {
    if [ "$failed" = 0 ]; then
        failed=1
        mkdir -p "$artifacts"
        local shot=$artifacts/$scenario.png
        import -window root "$shot" 2>/dev/null || shot="(none: ImageMagick's import failed)"
        echo "FAIL $scenario: $*" >&9
        echo "     (the fault: $fault; screenshot: $shot)" >&9
    fi
    return 1
}

# From the game-pick screen to GTA3's weapon creator, Rocket Launcher (row 6) selected, X, Y, Z,
# code name and ammo typed, the focus on Generate.
to_gta3_rocket_launcher() {
    return_again && active "Spawnsmith | GTA3 Code Pick" || return
    return_again && active "Spawnsmith | GTA3 Weapon Spawn Point Creator" || return
    # No row is selected at first: the first Down selects row 0.
    keys Down Down Down Down Down Down Down
    local text
    for text in 1 2 3 r 50; do
        keys Tab && type_text "$text"
    done
    keys Tab
}
ROCKET_LAUNCHER='032B: $r = create_weapon_pickup #ROCKET  14 ammo  50 at 1 2 3'

# Enter held on Generate: X repeats it as release-press pairs that Qt does not always mark as
# repeats. The result screen opens with its box focused; the line is generated once and no
# repeat types into the box or walks on to its Exit and the dialog's Yes.
scenario_held-key() {
    launch && to_gta3_rocket_launcher || return
    hold Return
    screens "Spawnsmith | GTA3 Weapon Spawn Point Code" && copied "$ROCKET_LAUNCHER"
}

# A double click on Generate: the result screen opens centred, where the second click lands on
# one of its buttons.
scenario_double-click() {
    launch && to_gta3_rocket_launcher || return
    # Generate spans the creator's width, 59 px above the client area's bottom.
    local w
    read -r _ _ w _ < <(client "$(window_id "Spawnsmith | GTA3 Weapon Spawn Point Creator")")
    click "Spawnsmith | GTA3 Weapon Spawn Point Creator" "$((w / 2))" -59 2 || return
    screens "Spawnsmith | GTA3 Weapon Spawn Point Code" || return
    # The second click may have focused a button; the box fills the screen's top.
    click "Spawnsmith | GTA3 Weapon Spawn Point Code" "$((w / 2))" 24 && copied "$ROCKET_LAUNCHER"
}

# The game-pick screen's three picture buttons (209 px square, 8 px below the 273 px high client
# area's menu bar, at these left edges) clicked while the program is stopped: the first one's
# screen opens, the others came for a screen that is gone.
scenario_queued-clicks() {
    launch || return
    local x y w h left
    read -r x y w h < <(client "$(window_id "$PICK")")
    kill -STOP "$APP_PID"
    for left in 8 232 456; do
        click "$PICK" "$((left + 104))" "$((h - 273 + 8 + 104))"
    done
    kill -CONT "$APP_PID"
    active "Spawnsmith | GTA3 Code Pick" && screens "Spawnsmith | GTA3 Code Pick"
}

# in_front DIALOG SCREEN: the dialog is shown, active and stacked above its screen.
in_front() {
    local dialog screen
    dialog=$(window_id "$1") && screen=$(window_id "$2") || return 1
    [ "$(map_state "$dialog")" = IsViewable ] && [ "$(active_id)" = "$dialog" ] &&
        above "$dialog" "$screen"
}
dialog_comes_back() {
    wait_for 3 in_front "$EXIT_DIALOG" "$PICK" && return 0
    fail "after $1 the active window is \"$(active_caption)\"; the dialog is" \
        "$(map_state "$(window_id "$EXIT_DIALOG")"); expected it shown, active and on top"
}

# Exit? is open over the game-pick screen; a click on the screen's bare bottom-left corner.
scenario_dialog-front() {
    launch && keys Tab Tab Tab Return && active "$EXIT_DIALOG" || return
    click "$PICK" 4 -4 && dialog_comes_back "a click on the locked screen"
}

# Exit? minimized, then the screen activated as a taskbar does.
scenario_dialog-minimized() {
    launch && keys Tab Tab Tab Return && active "$EXIT_DIALOG" || return
    xdotool windowminimize "$(window_id "$EXIT_DIALOG")"
    wait_for 1 eval '[ "$(map_state "$(window_id "$EXIT_DIALOG")")" != IsViewable ]'
    xdotool windowactivate "$(window_id "$PICK")"
    dialog_comes_back "minimizing it and activating its screen"
}

# Exit? answered No from the keyboard: the window manager activates the screen again and the
# focus is back on Exit, so the next Enter opens the dialog again.
scenario_focus-after-no() {
    launch && keys Tab Tab Tab Return && active "$EXIT_DIALOG" || return
    keys Tab Return && active "$PICK" 3 || return
    keys Return && active "$EXIT_DIALOG" 3 && screens "$PICK, $EXIT_DIALOG"
}

# centred CAPTION: the window's frame is centred on the work area within 1 px both ways
# (doubled coordinates keep the halves exact).
centred() {
    local id fx fy fw fh ax ay aw ah
    id=$(window_id "$1") && read -r fx fy fw fh < <(framed "$id") || return 1
    read -r ax ay aw ah < <(work_area)
    local dx=$((2 * fx + fw - 2 * ax - aw)) dy=$((2 * fy + fh - 2 * ay - ah))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
is_centred() {
    wait_for 2 centred "$1" && return 0
    fail "\"$1\" with its frame at $(framed "$(window_id "$1")") (x y w h) is not centred" \
        "on the work area $(work_area)"
}
# Centred with its frame: a screen and the dialog over it. On a screen smaller than the
# window, its frame's top-left corner (title bar, close box) stays on the screen.
scenario_placement() {
    launch || return
    is_centred "$PICK" || return
    keys Tab Tab Tab Return && active "$EXIT_DIALOG" && is_centred "$EXIT_DIALOG" || return
    start_display 640x480
    launch || return
    local fx fy ax ay
    read -r fx fy _ _ < <(framed "$(window_id "$PICK")")
    read -r ax ay _ _ < <(work_area)
    [ "$fx" -ge "$ax" ] && [ "$fy" -ge "$ay" ] ||
        fail "on 640x480 the frame's corner is at $fx,$fy, outside the work area from $ax,$ay"
}

# The splash, the first window (333 x 227 px), has no _NET_WM_NAME or WM_NAME.
scenario_splash-nameless() {
    launch no
    wait_for 10 eval 'windows | grep -q .' || { fail "no window appeared"; return; }
    local id w h
    id=$(windows | head -n1 | cut -f1)
    read -r _ _ w h < <(client "$id")
    [ "$w $h" = "333 227" ] || { fail "the first window is ${w}x$h, not the splash"; return; }
    local names
    names=$(xprop -id "$id" -notype _NET_WM_NAME WM_NAME 2>/dev/null | grep ' = ')
    [ -z "$names" ] || fail "the splash is named: $names"
}

# Keyboard only, as any build must allow (also a Windows build under Wine): the Rocket Launcher
# line generated, copied out of the result box, then Exit and Yes end the program with status 0.
scenario_keyboard-walk() {
    launch && to_gta3_rocket_launcher || return
    keys Return && active "Spawnsmith | GTA3 Weapon Spawn Point Code" || return
    copied "$ROCKET_LAUNCHER" || return
    # From the box: back to the creator, to the code pick, to the game pick, Exit.
    keys Tab Tab Tab Tab && return_again && active "$EXIT_DIALOG" || return
    # This dialog starts on Yes.
    return_again
    wait_for 5 eval '! app_alive' || { fail "the program still runs 5 s after Yes"; return; }
    wait "$APP_PID"
    APP_STATUS=$?
    APP_PID=""
    [ "$APP_STATUS" = 0 ] || fail "the program ended with status $APP_STATUS"
}

main() {
    artifacts=${REALX_ARTIFACTS:-$PWD/realx-artifacts}
    chosen=()
    list=0
    while [ $# -gt 0 ]; do
        case $1 in
        --artifacts) artifacts=$2; shift 2 ;;
        --list) list=1; shift ;;
        --) shift; break ;;
        *) chosen+=("$1"); shift ;;
        esac
    done
    if [ "$list" = 1 ]; then
        printf '%s\n' "${SCENARIOS[@]%%|*}"
        exit 0
    fi
    if [ $# -eq 0 ]; then
        echo "usage: $0 [--artifacts DIR] [--list] [SCENARIO...] -- PROGRAM [ARG...]" >&2
        exit 2
    fi
    APP=("$@")
    [ ${#chosen[@]} -gt 0 ] || chosen=("${SCENARIOS[@]%%|*}")

    setup
    passed=0
    failures=0
    for scenario in "${chosen[@]}"; do
        fault=$(printf '%s\n' "${SCENARIOS[@]}" | sed -n "s/^$scenario|//p")
        [ -n "$fault" ] || { echo "no scenario $scenario; --list names them" >&2; exit 2; }
        failed=0
        start=$SECONDS
        start_display 1024x768
        "scenario_$scenario" || fail "the scenario stopped"
        stop_display
        if [ "$failed" = 0 ]; then
            passed=$((passed + 1))
            echo "PASS $scenario ($((SECONDS - start)) s)"
        else
            failures=$((failures + 1))
        fi
    done
    echo "$passed passed, $failures failed"
    [ "$failures" = 0 ]
}

# Sourced (tools/windows-screenshot.sh does), the driver only lends its functions.
[ "${BASH_SOURCE[0]}" != "$0" ] || main "$@"
