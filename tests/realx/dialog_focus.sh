#!/usr/bin/env bash
# When a dialog over a screen closes, the screen is active again and the focus is back on the
# control that opened the dialog, so that a keyboard user's next Enter does what the last one
# did (and a dialog opened from the menu leaves no button focused that Enter would press).
source "$(dirname "$0")/lib.sh"
rx_init "$@"
rx_start_display 1024x768

# Focus after a dialog closes. Columns: start (empty: game-pick screen, else the game whose
# code-pick screen); keys that open the dialog; its caption; keys that close it; the windows on
# screen (bottom to top) once Enter has been pressed again.
focus_cases=(
    ";Tab Tab Tab Return;Spawnsmith | Exit?;Tab Return;Spawnsmith | GTA Pick, Spawnsmith | Exit?"
    "gta3;Tab Tab Return;Spawnsmith | Function Not Available;Return;Spawnsmith | GTA3 Code Pick, Spawnsmith | Function Not Available"
    ";ctrl+p;Spawnsmith | About Program;Return;Spawnsmith | GTA Pick"
)

focus_returns() {
    local start=$1 open=$2 dialog=$3 close=$4 expected=$5
    local screen
    screen=$(rx_screen_of "$start")
    rx_start_at "$start" || return
    # shellcheck disable=SC2086 # blank-separated keys
    rx_key $open
    rx_wait_active "$dialog" || return
    # shellcheck disable=SC2086
    rx_key $close
    rx_wait_gone "$dialog" || return
    rx_wait_active "$screen" 3 || return
    rx_key Return
    # Give a dialog that should open the time to do so, then let everything settle.
    [ "$expected" = "$screen" ] || rx_wait 3 rx_window_id "$dialog" >/dev/null
    rx_settle
    local captions
    captions=$(rx_captions)
    [ "$captions" = "$expected" ] ||
        rx_fail "Enter after closing \"$dialog\" led to [$captions], expected [$expected]:" \
            "the focus did not go back to the control that opened the dialog"
}

for row in "${focus_cases[@]}"; do
    IFS=';' read -r start open dialog close expected <<<"$row"
    rx_case "focus back after \"$dialog\" closes (opened by ${open// /, })" \
        focus_returns "$start" "$open" "$dialog" "$close" "$expected"
done
rx_finish
