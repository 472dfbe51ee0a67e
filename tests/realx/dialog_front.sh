#!/usr/bin/env bash
# While a dialog is open its screen is locked, and the dialog is the only way out. So whenever
# the user turns to the locked screen (a click on it, or the taskbar after the dialog was
# minimized), the dialog comes back to the front, shown and with the focus.
source "$(dirname "$0")/lib.sh"
rx_init "$@"
rx_start_display 1024x768

# A dialog lost behind its screen. Columns: start; keys that open the dialog; its caption; how
# the user turns to the locked screen: "click" on it, or "minimize" the dialog first and then
# activate the screen as a taskbar does.
front_cases=(
    ";Tab Tab Tab Return;Spawnsmith | Exit?;click"
    ";Tab Tab Tab Return;Spawnsmith | Exit?;minimize"
    "gta3;Tab Tab Return;Spawnsmith | Function Not Available;click"
)

# True when the dialog is shown, active and above the screen.
dialog_in_front() {
    [ "$(rx_map_state "$1")" = IsViewable ] && [ "$(rx_active_window)" = "$1" ] &&
        rx_stacked_above "$1" "$2"
}

dialog_comes_back() {
    local start=$1 open=$2 dialog=$3 how=$4
    local screen
    screen=$(rx_screen_of "$start")
    rx_start_at "$start" || return
    # shellcheck disable=SC2086
    rx_key $open
    rx_wait_active "$dialog" || return
    local dialog_id screen_id
    dialog_id=$(rx_window_id "$dialog")
    screen_id=$(rx_window_id "$screen")
    if [ "$how" = click ]; then
        # The bottom-left corner of the screen's client area: bare background, never under the
        # dialog, which is centred.
        local x y w h
        read -r x y w h < <(rx_client_geometry "$screen_id")
        rx_click "$screen_id" 4 "$((h - 4))"
    else
        # Once the dialog is minimized the window manager hands the focus to the screen, which
        # may bring the dialog back at once; so its hidden state is waited for but not required.
        xdotool windowminimize "$dialog_id"
        rx_wait 1 rx_hidden "$dialog_id"
        xdotool windowactivate "$screen_id"
    fi
    rx_wait 3 dialog_in_front "$dialog_id" "$screen_id" && return 0
    local where=below
    rx_stacked_above "$dialog_id" "$screen_id" && where=above
    rx_fail "after the $how the active window is \"$(rx_active_caption)\";" \
        "the dialog is $(rx_map_state "$dialog_id") and $where the locked screen" \
        "(expected: the dialog shown, active and above)"
}

for row in "${front_cases[@]}"; do
    IFS=';' read -r start open dialog how <<<"$row"
    rx_case "\"$dialog\" over $(rx_screen_of "$start"): back in front after a $how" \
        dialog_comes_back "$start" "$open" "$dialog" "$how"
done
rx_finish
