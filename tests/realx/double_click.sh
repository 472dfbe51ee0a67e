#!/usr/bin/env bash
# A double click on "Generate My Code": the first click generates and opens the result screen;
# the second click of the pair must not press whatever button of the new screen happens to lie
# under the pointer. The result screen stays up with the generated line.
source "$(dirname "$0")/lib.sh"
rx_init "$@"
rx_start_display 1024x768

# "Generate My Code" spans the creator's width just above the bottom row of navigation buttons:
# its middle is half the client width across and this many pixels above the client's bottom.
generate_from_bottom=59

# Columns: game; kind; the line that the first catalogue row gives with every field empty.
cases=(
    "gta3;weapon;0213: \$ = create_pickup #BAT type  2 at    "
    "gta3;item;0213: \$ = create_pickup -29 (ADRENALINE) type  14 at    "
    "vc;weapon;0213: \$ = create_pickup #BAT type  15 at    "
    "vc;item;0213: \$ = create_pickup #ADRENALINE type  15 at   "
    "sa;weapon;032B: \$ = create_weapon_pickup #COLT45  15 ammo   at   "
    "sa;item;0213: \$ = create_pickup #ADRENALINE type  15 at    "
)

double_click_generate() {
    local game=$1 kind=$2 expected=$3
    local creator=${RX_CREATOR[$game $kind]} result=${RX_RESULT[$game $kind]}
    rx_launch || return
    rx_open_creator "$game" "$kind" || return
    # The list has the focus; Down selects the first row.
    rx_key Down
    local id x y w h
    id=$(rx_window_id "$creator")
    read -r x y w h < <(rx_client_geometry "$id")
    rx_click "$id" "$((w / 2))" "$((h - generate_from_bottom))" 2
    rx_settle
    local captions
    captions=$(rx_captions)
    if [ "$captions" = "$creator" ] && [ "$(rx_window_id "$creator")" = "$id" ]; then
        rx_fail "the click did not press Generate My Code: the creator is still up" \
            "(has the button moved from ${generate_from_bottom} px above the bottom?)"
        return
    fi
    [ "$captions" = "$result" ] ||
        { rx_fail "after the double click the screen shows [$captions], expected [$result]:" \
            "the second click pressed a button of the result screen and the line is lost"; return; }
    rx_wait_active "$result" || return
    # The second click may have left the focus on a button; a click into the result box (it
    # fills the screen's top, above the row of buttons 96 px down) puts it back there.
    id=$(rx_window_id "$result")
    read -r x y w h < <(rx_client_geometry "$id")
    rx_click "$id" "$((w / 2))" 24
    local copied
    copied=$(rx_copy_focused_text) || { rx_fail "nothing could be read from the clipboard"; return; }
    rx_expect_equal "the result box's text" "$expected" "$copied"
}

for row in "${cases[@]}"; do
    IFS=';' read -r game kind expected <<<"$row"
    rx_case "$game $kind creator: double click on Generate My Code" \
        double_click_generate "$game" "$kind" "$expected"
done
rx_finish
