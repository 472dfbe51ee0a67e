# Shared harness of the real-X tests, sourced by every tests/realx/*.sh script.
#
# Each script drives the real program the way a user does: it starts a virtual X server (Xvfb)
# with a window manager (openbox), launches the program given on its command line, presses keys
# and clicks with xdotool and reads the outcome back from the X server (window captions, frame
# geometry, the active window, the stacking order) and from the clipboard (xclip).
#
# A script looks like this:
#
#     source "$(dirname "$0")/lib.sh"
#     rx_init "$@"                  # parses [--artifacts DIR] [--] COMMAND [ARG...]
#     rx_start_display 1024x768
#     case_something() { rx_launch || return; ...; rx_fail "what went wrong"; }
#     rx_case "something" case_something
#     rx_finish                     # prints "N passed, N failed", exits 1 on a failure
#
# Every wait is for a condition with a time limit; the only fixed pauses are the polling interval
# and the length of a deliberately held key. On exit every process the harness started is ended.

set -uo pipefail

RX_APP=()          # the program's launch command, e.g. (build/release/src/spawnsmith)
RX_ARTIFACTS=""    # where screenshots of failed cases go
RX_TMP=""          # scratch folder: X authority, logs
RX_XVFB_PID=""     # the virtual X server
RX_WM_PID=""       # the window manager
RX_APP_PID=""      # the program under test
RX_APP_STATUS=""   # its exit status, once it has ended
RX_CASE=""         # name of the case running now
RX_CASE_FAILED=0   # whether it has failed already
RX_PASSED=0
RX_FAILED=0
RX_POLL=0.05       # seconds between two looks at the X server while waiting
# Keys repeat once held this long (ms). xdotool releases a key a few ms after pressing it, but on
# a busy machine it can be held up in between, and with the usual quarter of a second the server
# then repeated an ordinary Tab now and then; a second keeps typing exact. A test that holds a key
# on purpose holds it past this.
RX_REPEAT_DELAY=1000

# --- set-up and clean-up -------------------------------------------------------------------

# rx_init [--artifacts DIR] [--] COMMAND [ARG...]
# Takes the program's launch command (for the native build its path; for another build e.g.
# "wine spawnsmith.exe") and prepares the scratch folder and the clean-up on exit.
rx_init() {
    RX_ARTIFACTS=${REALX_ARTIFACTS:-$PWD/realx-artifacts}
    while [ $# -gt 0 ]; do
        case $1 in
        --artifacts) RX_ARTIFACTS=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
        esac
    done
    if [ $# -eq 0 ]; then
        echo "usage: $0 [--artifacts DIR] [--] PROGRAM [ARG...]" >&2
        exit 2
    fi
    RX_APP=("$@")
    for tool in Xvfb xauth openbox xdotool xclip xprop xwininfo; do
        command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 2; }
    done
    # Failure messages go to the script's own output even from inside a redirection, such as
    # a wait whose printed window id is thrown away.
    exec 9>&1
    RX_TMP=$(mktemp -d "${TMPDIR:-/tmp}/realx.XXXXXX")
    mkdir -m 700 "$RX_TMP/runtime" "$RX_TMP/config"
    # A script ended by a signal (Ctrl+C, a closed terminal or pipe, ctest's time-out) still
    # cleans up, so no X server or window manager outlives it.
    trap rx_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 141' PIPE
    trap 'exit 143' TERM
}

# Ends the program, the window manager and the X server (in that order) and removes the scratch
# folder. Runs on every exit of the script.
rx_cleanup() {
    rx_stop_app
    rx_stop_display
    [ -n "$RX_TMP" ] && rm -rf "$RX_TMP"
}

# Ends one process the harness started: TERM, then KILL if it is still there after 2 seconds.
# A stopped process is continued first, or it would never see the TERM.
rx_end_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill -CONT "$pid" 2>/dev/null
        kill -TERM "$pid" 2>/dev/null
        for _ in $(seq 40); do
            kill -0 "$pid" 2>/dev/null || break
            sleep "$RX_POLL"
        done
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
    return 0
}

# rx_start_display [WIDTHxHEIGHT]
# Starts Xvfb on a free display (it reports the number it took through -displayfd) with keyboard
# autorepeat after RX_REPEAT_DELAY ms at 30 a second, then openbox, and waits until openbox
# manages the screen. Exports DISPLAY and XAUTHORITY. A display already running is stopped first.
rx_start_display() {
    local size=${1:-1024x768}
    rx_stop_display
    local cookie
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    # The server takes every cookie of its authority file, whatever display the entry names; the
    # clients' file gets the real display number once it is known.
    xauth -q -f "$RX_TMP/server.auth" add :0 . "$cookie" 2>/dev/null
    : >"$RX_TMP/displayfd"
    # -noreset: without it the server resets whenever its last client disconnects (the first
    # xprop below), and a client connecting during the reset is refused.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset \
        -auth "$RX_TMP/server.auth" -ardelay "$RX_REPEAT_DELAY" -arinterval 33 \
        3>"$RX_TMP/displayfd" >"$RX_TMP/xvfb.log" 2>&1 &
    RX_XVFB_PID=$!
    local number=""
    for _ in $(seq 200); do
        number=$(head -n1 "$RX_TMP/displayfd")
        [ -n "$number" ] && break
        kill -0 "$RX_XVFB_PID" 2>/dev/null || break
        sleep "$RX_POLL"
    done
    if [ -z "$number" ]; then
        echo "Xvfb did not start:" >&2
        cat "$RX_TMP/xvfb.log" >&2
        exit 2
    fi
    export DISPLAY=":$number"
    export XAUTHORITY="$RX_TMP/client.auth"
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie" 2>/dev/null

    # The display answers before anything is started on it; then openbox, with its stock
    # configuration whatever the user's own says.
    rx_wait 10 rx_display_answers
    XDG_CONFIG_HOME="$RX_TMP/config" openbox --sm-disable >"$RX_TMP/openbox.log" 2>&1 &
    RX_WM_PID=$!
    rx_wait 10 rx_wm_ready_or_gone
    rx_wm_ready && return 0
    echo "openbox did not take over the screen $DISPLAY:" >&2
    cat "$RX_TMP/openbox.log" >&2
    exit 2
}

rx_display_answers() {
    xprop -root _XKB_RULES_NAMES >/dev/null 2>&1
}

rx_wm_ready_or_gone() {
    rx_wm_ready || ! kill -0 "$RX_WM_PID" 2>/dev/null
}

# True once the window manager has announced itself on the root window: the root's
# _NET_SUPPORTING_WM_CHECK names a window that carries the same property (the EWMH handshake).
rx_wm_ready() {
    local check
    check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*') ||
        return 1
    xprop -id "$check" -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}

rx_stop_display() {
    rx_stop_app
    rx_end_process "$RX_WM_PID"
    RX_WM_PID=""
    rx_end_process "$RX_XVFB_PID"
    RX_XVFB_PID=""
}

# --- the program under test ----------------------------------------------------------------

# Starts the program (not waiting for any window). A program still running is ended first.
rx_start_app() {
    rx_stop_app
    rx_wait 5 rx_no_windows || rx_fail "windows of an earlier run are still on screen"
    # The pointer rests in a corner, away from every window, so that no case inherits a hover.
    rx_pointer_to 0 0
    # A Linux build must use Qt's X11 platform even where the test run asks all Qt programs to be
    # headless; a Windows build under Wine has only its own platform and must not be told one.
    local platform=${REALX_QT_QPA_PLATFORM-xcb}
    [[ "$(basename "${RX_APP[0]}")" == wine* ]] && platform=${REALX_QT_QPA_PLATFORM-}
    if [ -n "$platform" ]; then
        QT_QPA_PLATFORM=$platform XDG_RUNTIME_DIR="$RX_TMP/runtime" "${RX_APP[@]}" \
            >>"$RX_TMP/app.log" 2>&1 &
    else
        env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$RX_TMP/runtime" "${RX_APP[@]}" \
            >>"$RX_TMP/app.log" 2>&1 &
    fi
    RX_APP_PID=$!
    RX_APP_STATUS=""
}

# Starts the program and waits past the splash until the game-pick screen is up and active.
rx_launch() {
    rx_start_app
    rx_wait_active "Spawnsmith | GTA Pick" 15
}

rx_stop_app() {
    rx_end_process "$RX_APP_PID"
    RX_APP_PID=""
}

# The program's process state letter from /proc (R running, S sleeping, T stopped, Z ended).
rx_app_state() {
    [ -n "$RX_APP_PID" ] || return 1
    local stat
    stat=$(cat "/proc/$RX_APP_PID/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    echo "${stat%% *}"
}

rx_app_alive() {
    local state
    state=$(rx_app_state) && [ "$state" != Z ]
}

rx_app_ended() {
    ! rx_app_alive
}

rx_app_stopped() {
    [ "$(rx_app_state)" = T ]
}

# rx_wait_app_exit SECONDS: waits until the program has ended and sets RX_APP_STATUS.
rx_wait_app_exit() {
    rx_wait "$1" rx_app_ended || return 1
    wait "$RX_APP_PID" 2>/dev/null
    RX_APP_STATUS=$?
    RX_APP_PID=""
}

# True while the program runs, is not stopped and is not working through events: it sleeps in
# the kernel, waiting for the X server.
rx_app_idle() {
    [ "$(rx_app_state)" = S ]
}

# --- waiting -------------------------------------------------------------------------------

# rx_wait SECONDS COMMAND [ARG...]: runs COMMAND until it succeeds or the time is up.
rx_wait() {
    local end
    end=$(($(date +%s%N) / 1000000 + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }')))
    shift
    while true; do
        "$@" && return 0
        [ "$(($(date +%s%N) / 1000000))" -ge "$end" ] && return 1
        sleep "$RX_POLL"
    done
}

# Waits until the screen has settled after input: the program is idle and the list of windows,
# their captions and the active window stay the same over four looks 100 ms apart (at most 5 s).
# Used before checking that something did NOT happen.
rx_settle() {
    local previous="" now stable=0
    for _ in $(seq 50); do
        now="$(rx_windows)|$(rx_active_window)"
        if [ "$now" = "$previous" ] && { ! rx_app_alive || rx_app_idle; }; then
            stable=$((stable + 1))
            [ "$stable" -ge 3 ] && return 0
        else
            stable=0
        fi
        previous=$now
        sleep 0.1
    done
    return 1
}

# --- windows -------------------------------------------------------------------------------

# Prints the windows the window manager manages, one "ID<TAB>CAPTION" a line (ID in decimal),
# from the bottom of the stacking order to the top.
rx_windows() {
    local id
    for id in $(xprop -root -notype _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -o '0x[0-9a-f]*')
    do
        printf '%d\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}

rx_no_windows() {
    [ -z "$(rx_windows)" ]
}

# The captions of the managed windows, joined with ", " (for messages).
rx_captions() {
    rx_windows | cut -f2 | paste -sd, - | sed 's/,/, /g'
}

# rx_window_id CAPTION: prints the id of the (topmost) window with exactly this caption.
rx_window_id() {
    rx_windows | awk -F'\t' -v caption="$1" '$2 == caption { id = $1 } END { if (id == "") exit 1; print id }'
}

rx_no_window() {
    ! rx_window_id "$1" >/dev/null
}

# rx_count_windows CAPTION
rx_count_windows() {
    rx_windows | awk -F'\t' -v caption="$1" '$2 == caption { n++ } END { print n + 0 }'
}

# rx_wait_window CAPTION [SECONDS]: waits for a window with exactly this caption, prints its id.
rx_wait_window() {
    local caption=$1 limit=${2:-10}
    if rx_wait "$limit" rx_window_id "$caption" >/dev/null; then
        rx_window_id "$caption"
        return 0
    fi
    rx_fail "no window \"$caption\" within ${limit}s; on screen: $(rx_captions)"
}

# rx_wait_gone CAPTION [SECONDS]
rx_wait_gone() {
    local caption=$1 limit=${2:-10}
    rx_wait "$limit" rx_no_window "$caption" && return 0
    rx_fail "window \"$caption\" still on screen after ${limit}s"
}

# The active window's id in decimal (empty when there is none).
rx_active_window() {
    xprop -root -notype _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*' |
        { read -r id && [ "$((id))" != 0 ] && echo "$((id))"; }
}

rx_active_caption() {
    local id
    id=$(rx_active_window) || return 1
    xdotool getwindowname "$id" 2>/dev/null
}

rx_is_active() {
    [ "$(rx_active_caption)" = "$1" ]
}

# rx_wait_active CAPTION [SECONDS]: waits until the window with this caption is the active one,
# so that keys go to it. Prints nothing.
rx_wait_active() {
    local caption=$1 limit=${2:-10}
    rx_wait "$limit" rx_is_active "$caption" && return 0
    rx_fail "\"$caption\" did not become the active window within ${limit}s;" \
        "active: \"$(rx_active_caption)\"; on screen: $(rx_captions)"
}

# rx_client_geometry ID: prints "X Y WIDTH HEIGHT" of the window's client area, in root
# coordinates.
rx_client_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk -F: '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
        END { if (w == "") exit 1; print x + 0, y + 0, w + 0, h + 0 }'
}

# rx_frame_extents ID: prints "LEFT RIGHT TOP BOTTOM", the window manager's frame around the
# client area (_NET_FRAME_EXTENTS; 0 0 0 0 for an undecorated window).
rx_frame_extents() {
    local extents
    extents=$(xprop -id "$1" -notype _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ,)
    [ -n "${extents// /}" ] || extents="0 0 0 0"
    echo $extents
}

# rx_frame_geometry ID: prints "X Y WIDTH HEIGHT" of the whole window, frame included.
rx_frame_geometry() {
    local x y w h l r t b
    read -r x y w h < <(rx_client_geometry "$1") || return 1
    read -r l r t b < <(rx_frame_extents "$1")
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# The area windows may use (_NET_WORKAREA of the first desktop): "X Y WIDTH HEIGHT".
rx_work_area() {
    xprop -root -notype _NET_WORKAREA | grep -o '[0-9, ]*$' | tr -d , | awk '{print $1, $2, $3, $4}'
}

# rx_stacked_above UPPER LOWER: true if window UPPER is above window LOWER in the stacking order.
rx_stacked_above() {
    rx_windows | awk -F'\t' -v upper="$1" -v lower="$2" '
        $1 == lower { seen = 1 } $1 == upper { above = seen } END { exit !above }'
}

# rx_map_state ID: IsViewable, IsUnMapped or IsUnviewable.
rx_map_state() {
    xwininfo -id "$1" 2>/dev/null | awk '/Map State/ { print $3 }'
}

rx_hidden() {
    [ "$(rx_map_state "$1")" != IsViewable ]
}

# --- input ---------------------------------------------------------------------------------

# rx_key KEY...: presses and releases each key (or chord such as ctrl+a) in turn, through the X
# test extension, so the program sees them as real keystrokes to its focused window.
rx_key() {
    xdotool key --delay 60 "$@"
}

# rx_type TEXT: types the text into the focused control.
rx_type() {
    xdotool type --delay 40 -- "$1"
}

# rx_hold KEY SECONDS: holds a key down, so that the X server repeats it, then lets it go.
rx_hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

# rx_pointer_to X Y: moves the pointer to root coordinates X, Y and waits until it is there.
# (xdotool's own "mousemove --sync" waits for a movement, and so hangs for many seconds when
# the pointer is already at the target.)
rx_pointer_to() {
    xdotool mousemove "$1" "$2"
    rx_wait 2 rx_pointer_at "$1" "$2"
}

rx_pointer_at() {
    [ "$(xdotool getmouselocation 2>/dev/null | cut -d' ' -f1,2)" = "x:$1 y:$2" ]
}

# rx_click ID X Y [COUNT]: moves the pointer to X, Y of the window's client area and clicks the
# left button COUNT times, 80 ms apart (2 gives a double click).
rx_click() {
    local x y w h
    read -r x y w h < <(rx_client_geometry "$1") || return 1
    rx_pointer_to "$((x + $2))" "$((y + $3))"
    xdotool click --repeat "${4:-1}" --delay 80 1
}

# rx_clipboard: prints the clipboard's text exactly (no newline added or removed). Retries for
# a few seconds while nobody owns the clipboard yet, since the copy keystroke may still be on its
# way through the program's event queue.
rx_clipboard() {
    local text
    for _ in $(seq 60); do
        if text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null && printf x); then
            printf '%s' "${text%x}"
            return 0
        fi
        sleep "$RX_POLL"
    done
    return 1
}

# rx_copy_focused_text: selects all of the focused text box and copies it, then prints the
# clipboard.
rx_copy_focused_text() {
    rx_key ctrl+a ctrl+c
    rx_clipboard
}

# Shows a string with its control characters visible, for messages: CR as \r, LF as \n.
rx_show() {
    printf '%s' "$1" | sed -z 's/\r/\\r/g; s/\n/\\n/g'
}

# --- routes through the wizard ---------------------------------------------------------------

# Captions of the screens by game (gta3, vc, sa) and kind.
declare -A RX_CODE_PICK=(
    [gta3]="Spawnsmith | GTA3 Code Pick"
    [vc]="Spawnsmith | GTA VC Code Pick"
    [sa]="Spawnsmith | GTA SA Code Pick"
)
declare -A RX_CREATOR=(
    [gta3 weapon]="Spawnsmith | GTA3 Weapon Spawn Point Creator"
    [gta3 item]="Spawnsmith | GTA3 Item Spawn Point Creator"
    [vc weapon]="Spawnsmith | GTA VC Weapon Spawn Point Creator"
    [vc item]="Spawnsmith | GTA VC Item Spawn Point Creator"
    [sa weapon]="Spawnsmith| GTA SA Weapon Spawn Point Creator"
    [sa item]="Spawnsmith | GTA SA Item Spawn Point Creator"
)
declare -A RX_RESULT=(
    [gta3 weapon]="Spawnsmith | GTA3 Weapon Spawn Point Code"
    [gta3 item]="Spawnsmith | GTA3 Item Spawn Point Code"
    [vc weapon]="Spawnsmith | GTA VC Weapon Spawn Point Code"
    [vc item]="Spawnsmith | GTA VC Item Spawn Point Code"
    [sa weapon]="Spawnsmith | GTA SA Weapon Spawn Point Code"
    [sa item]="Spawnsmith | GTA SA Item Spawn Point Code"
)
# Tab presses from the first control to the game's button on the game-pick screen, and to the
# kind's button on a code-pick screen.
declare -A RX_TABS=([gta3]=0 [vc]=1 [sa]=2 [weapon]=0 [item]=1 [vehicle]=2 [back]=3 [exit]=4)

# rx_tab_press COUNT: presses Tab COUNT times, then Return.
rx_tab_press() {
    local keys=()
    for ((n = 0; n < $1; n++)); do keys+=(Tab); done
    rx_key "${keys[@]}" Return
}

# rx_open_code_pick GAME: from the freshly shown game-pick screen (focus on its first button)
# to the game's code-pick screen, active.
rx_open_code_pick() {
    rx_tab_press "${RX_TABS[$1]}"
    rx_wait_active "${RX_CODE_PICK[$1]}"
}

# rx_open_creator GAME KIND: from the freshly shown game-pick screen to a creator screen, active,
# with the focus on its list.
rx_open_creator() {
    rx_open_code_pick "$1" || return
    rx_tab_press "${RX_TABS[$2]}"
    rx_wait_active "${RX_CREATOR[$1 $2]}"
}

# rx_start_at [GAME]: launches the program and goes to the game's code-pick screen, or stays on
# the game-pick screen when GAME is empty.
rx_start_at() {
    rx_launch || return
    [ -z "${1:-}" ] || rx_open_code_pick "$1"
}

# rx_screen_of [GAME]: the caption of the screen rx_start_at goes to.
rx_screen_of() {
    if [ -z "${1:-}" ]; then echo "Spawnsmith | GTA Pick"; else echo "${RX_CODE_PICK[$1]}"; fi
}

# rx_press STEP...: presses keys and types text: a step "type:TEXT" types TEXT, any other step is
# a key or chord for rx_key.
rx_press() {
    local step
    for step in "$@"; do
        case $step in
        type:*) rx_type "${step#type:}" ;;
        *) rx_key "$step" ;;
        esac
    done
}

# --- cases and results ---------------------------------------------------------------------

# rx_screenshot NAME: saves the whole screen as a PNG in the artifacts folder, prints its path.
rx_screenshot() {
    mkdir -p "$RX_ARTIFACTS"
    local file
    file="$RX_ARTIFACTS/$(basename "$0" .sh)-$(printf "%s" "$1" | tr -c 'A-Za-z0-9_.-' _)-$(date +%H%M%S).png"
    if command -v import >/dev/null && import -window root "$file" 2>/dev/null; then
        echo "$file"
    else
        echo "(no screenshot: ImageMagick's import is missing or failed)"
    fi
}

# rx_fail MESSAGE...: marks the running case as failed, prints the message and a screenshot's
# path. Only the first failure of a case is reported. Returns 1, so `... || return` ends the case.
rx_fail() {
    if [ "$RX_CASE_FAILED" = 0 ]; then
        RX_CASE_FAILED=1
        echo "FAIL $RX_CASE: $*" >&9
        echo "     screenshot: $(rx_screenshot "$RX_CASE")" >&9
    fi
    return 1
}

# rx_expect_equal WHAT EXPECTED ACTUAL
rx_expect_equal() {
    [ "$2" = "$3" ] && return 0
    rx_fail "$1 is \"$(rx_show "$3")\", expected \"$(rx_show "$2")\""
}

# rx_case NAME FUNCTION [ARG...]: runs one case and counts it. The case function reports its
# failures with rx_fail; the program it started is ended afterwards unless the next case is
# meant to go on with it (RX_KEEP_APP=1).
rx_case() {
    RX_CASE=$1
    RX_CASE_FAILED=0
    shift
    local start
    start=$(date +%s%N)
    "$@"
    local status=$?
    [ "$status" -ne 0 ] && [ "$RX_CASE_FAILED" = 0 ] && rx_fail "the case ended with status $status"
    [ "${RX_KEEP_APP:-0}" = 1 ] || rx_stop_app
    local took=$((($(date +%s%N) - start) / 1000000))
    if [ "$RX_CASE_FAILED" = 0 ]; then
        RX_PASSED=$((RX_PASSED + 1))
        printf 'PASS %s (%d.%02d s)\n' "$RX_CASE" $((took / 1000)) $((took % 1000 / 10))
    else
        RX_FAILED=$((RX_FAILED + 1))
        printf '     (%d.%02d s)\n' $((took / 1000)) $((took % 1000 / 10))
    fi
}

# Prints the totals in the plain "N passed, N failed" form and exits 1 if any case failed.
rx_finish() {
    echo "$RX_PASSED passed, $RX_FAILED failed"
    [ "$RX_FAILED" -eq 0 ]
    exit
}
