#!/usr/bin/env bash
# Clicks that pile up while the program is busy: the X server queues them and the program sees
# them all at once when it gets back to its event loop. A click that navigated away unloads its
# screen, so the later clicks aimed at that screen must come to nothing. Here the program is
# held still with SIGSTOP while the user clicks, then let go with SIGCONT.
source "$(dirname "$0")/lib.sh"
rx_init "$@"
rx_start_display 1024x768

# The game-pick screen's picture buttons: 209 x 209 px, 8 px below the menu bar, at these left
# edges of its client area. The client area proper is 273 px high; the menu bar takes the rest.
declare -A picture_left=([gta3]=8 [vc]=232 [sa]=456)
picture_size=209
client_height=273

# Columns: the buttons clicked in turn while the program is stopped; the one window expected
# once it has worked through them.
cases=(
    "gta3 vc sa;Spawnsmith | GTA3 Code Pick"
    "sa gta3;Spawnsmith | GTA SA Code Pick"
)

queued_clicks() {
    local buttons=$1 expected=$2
    rx_launch || return
    local id x y w h
    id=$(rx_window_id "Spawnsmith | GTA Pick")
    read -r x y w h < <(rx_client_geometry "$id")
    local menu_bar=$((h - client_height))
    kill -STOP "$RX_APP_PID"
    rx_wait 2 rx_app_stopped || { rx_fail "the program did not stop"; return; }
    local game
    for game in $buttons; do
        rx_click "$id" "$((picture_left[$game] + picture_size / 2))" \
            "$((menu_bar + 8 + picture_size / 2))"
    done
    kill -CONT "$RX_APP_PID"
    rx_wait_window "$expected" >/dev/null || return
    rx_settle
    local captions
    captions=$(rx_captions)
    [ "$captions" = "$expected" ] ||
        rx_fail "after the queued clicks the screen shows [$captions], expected [$expected] alone"
}

for row in "${cases[@]}"; do
    IFS=';' read -r buttons expected <<<"$row"
    rx_case "clicks on ${buttons// /, } queued while busy" queued_clicks "$buttons" "$expected"
done
rx_finish
