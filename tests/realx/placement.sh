#!/usr/bin/env bash
# Where the windows appear, as the window manager shows them: every window centred on the
# screen with its frame (title bar and borders) included, never with its title bar or left edge
# off the screen on a small display; and the frameless splash carries no window title, so that
# no taskbar or window list shows a nameless "Spawnsmith" entry for it.
source "$(dirname "$0")/lib.sh"
rx_init "$@"

# The splash's client area in pixels; it is the first window the program shows.
splash_size="333 227"

# property_text ID PROPERTY: the text of a string property, empty when absent.
property_text() {
    xprop -id "$1" -notype "$2" 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p'
}

first_window() {
    rx_windows | head -n1 | cut -f1 | grep .
}

splash_nameless() {
    rx_start_app
    rx_wait 10 first_window >/dev/null || { rx_fail "no window appeared"; return; }
    local id x y w h
    id=$(first_window)
    read -r x y w h < <(rx_client_geometry "$id")
    [ "$w $h" = "$splash_size" ] ||
        { rx_fail "the first window is ${w}x$h, not the ${splash_size/ /x} splash"; return; }
    local net_name wm_name
    net_name=$(property_text "$id" _NET_WM_NAME)
    wm_name=$(property_text "$id" WM_NAME)
    [ -z "$net_name$wm_name" ] ||
        rx_fail "the splash's X window is named: _NET_WM_NAME \"$net_name\", WM_NAME" \
            "\"$wm_name\" (expected both empty or absent)"
}

# Frame centred on the work area within 1 px, both ways. Compares doubled coordinates, which
# keeps halves exact.
centred() {
    local fx fy fw fh ax ay aw ah
    read -r fx fy fw fh < <(rx_frame_geometry "$1") || return 1
    read -r ax ay aw ah < <(rx_work_area)
    local dx=$((2 * fx + fw - 2 * ax - aw)) dy=$((2 * fy + fh - 2 * ay - ah))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# Half of an integer, with ".5" where it is odd.
half() {
    awk -v n="$1" 'BEGIN { print n / 2 }'
}

# One window of the walk below: reach it with the keys, check that its frame is centred.
# Columns: keys from the previous window; caption of the window they open.
walk=(
    ";Spawnsmith | GTA Pick"
    "Return;Spawnsmith | GTA3 Code Pick"
    "Return;Spawnsmith | GTA3 Weapon Spawn Point Creator"
    "Tab Tab Tab Tab Tab Tab Return;Spawnsmith | GTA3 Weapon Spawn Point Code"
    "Tab Tab Tab Tab Return;Spawnsmith | Exit?"
)

window_centred() {
    local keys=$1 caption=$2
    rx_app_alive || rx_launch || return
    # shellcheck disable=SC2086 # blank-separated keys
    [ -z "$keys" ] || rx_key $keys
    rx_wait_active "$caption" || return
    local id
    id=$(rx_window_id "$caption")
    rx_wait 2 centred "$id" && return 0
    local fx fy fw fh ax ay aw ah
    read -r fx fy fw fh < <(rx_frame_geometry "$id")
    read -r ax ay aw ah < <(rx_work_area)
    rx_fail "the frame (${fw}x$fh at $fx,$fy, extents $(rx_frame_extents "$id" | tr ' ' ,))" \
        "is off centre by $(half $((2 * fx + fw - 2 * ax - aw))), $(half $((2 * fy + fh - 2 * ay - ah))) px" \
        "on the ${aw}x$ah work area"
}

# On a screen narrower than the window, the window still keeps its frame's top-left corner on
# the screen (title bar and close box reachable).
on_small_screen() {
    rx_launch || return
    local id fx fy fw fh ax ay aw ah
    id=$(rx_window_id "Spawnsmith | GTA Pick")
    read -r fx fy fw fh < <(rx_frame_geometry "$id")
    read -r ax ay aw ah < <(rx_work_area)
    [ "$fx" -ge "$ax" ] && [ "$fy" -ge "$ay" ] ||
        rx_fail "the ${fw}x$fh frame is placed at $fx,$fy, outside the ${aw}x$ah work area" \
            "(expected its left and top >= $ax,$ay)"
}

rx_start_display 1024x768
RX_KEEP_APP=1
rx_case "splash has no window title" splash_nameless
for row in "${walk[@]}"; do
    IFS=';' read -r keys caption <<<"$row"
    rx_case "\"$caption\" centred, frame included" window_centred "$keys" "$caption"
done
RX_KEEP_APP=0
rx_stop_app

rx_start_display 640x480
rx_case "game-pick screen on a 640x480 screen keeps its title bar on screen" on_small_screen
rx_finish
