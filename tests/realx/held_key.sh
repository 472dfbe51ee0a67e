#!/usr/bin/env bash
# A key held down on a button: the X server repeats it (here after 1 s, 30 times a second).
# The button must be pressed once. The repeats must not press a button of a window that the same
# key press opened, nor type into its text box, so a held Enter never walks on into the next
# window's buttons (for example "Exit" and then the confirm dialog's "Yes").
source "$(dirname "$0")/lib.sh"
rx_init "$@"
rx_start_display 1024x768

# Held past the autorepeat delay for some 35 repeats.
hold_seconds=$(awk -v d="$RX_REPEAT_DELAY" 'BEGIN { print d / 1000 + 1.2 }')

# Generate My Code held down. Columns: the key held; game; kind; the steps that select a row,
# fill the fields and reach the generate button; where the result screen's focus starts ("box"
# or "exit", which decides how to reach the box); the one line the result box must then hold.
# (Return only: a held Space also walks on today, but not every time, since Qt's buttons ignore
# the repeats that Qt recognises as such, and how many it recognises depends on the timing.)
generate_cases=(
    "Return;gta3;item;Down Tab type:1 Tab type:2 Tab type:3 Tab type:h Tab;exit;0213: \$h = create_pickup -29 (ADRENALINE) type  14 at  1 2 3"
    "Return;gta3;weapon;Down Down Tab type:1 Tab type:2 Tab type:3 Tab type:g Tab type:50 Tab;box;032B: \$g = create_weapon_pickup #COLT45  14 ammo  50 at 1 2 3"
)

# Walks to a creator's generate button, holds Enter on it and checks that exactly one generation
# happened: the program runs, the result screen is up alone and its box holds just the line.
held_generate() {
    local key=$1 game=$2 kind=$3 fill=$4 focus=$5 expected=$6
    local result=${RX_RESULT[$game $kind]}
    rx_launch || return
    rx_open_creator "$game" "$kind" || return
    # shellcheck disable=SC2086 # the steps are blank-separated on purpose
    rx_press $fill
    rx_hold "$key" "$hold_seconds"
    rx_settle
    if ! rx_app_alive; then
        rx_wait_app_exit 1
        rx_fail "the program ended (status $RX_APP_STATUS) while $key was held on" \
            "Generate My Code: the repeats pressed the result screen's \"Exit\" and then \"Yes\""
        return
    fi
    local captions
    captions=$(rx_captions)
    [ "$captions" = "$result" ] ||
        { rx_fail "after the held $key the screen shows [$captions], expected [$result] alone"; return; }
    rx_wait_active "$result" || return
    # A result screen whose focus starts on "Exit" has its box last in the tab order.
    [ "$focus" = exit ] && rx_key shift+Tab
    local copied
    copied=$(rx_copy_focused_text) || { rx_fail "nothing could be read from the clipboard"; return; }
    local breaks=${copied//[^$'\n']/}
    [ -z "$breaks" ] || {
        rx_fail "the repeats typed ${#breaks} line breaks into the result box that the first" \
            "press opened; it reads \"$(rx_show "$copied")\""
        return
    }
    rx_expect_equal "the result box's text" "$expected" "$copied"
}

# On the game-pick screen a held Enter on "Exit" opens the confirm dialog and stops there.
held_exit() {
    rx_launch || return
    rx_key Tab Tab Tab
    rx_hold Return "$hold_seconds"
    rx_settle
    if ! rx_app_alive; then
        rx_wait_app_exit 1
        rx_fail "the program ended (status $RX_APP_STATUS) while Return was held on \"Exit\":" \
            "a repeat pressed the confirm dialog's \"Yes\""
        return
    fi
    local captions
    captions=$(rx_captions)
    [ "$captions" = "Spawnsmith | GTA Pick, Spawnsmith | Exit?" ] ||
        { rx_fail "expected the game-pick screen and its confirm dialog; on screen: [$captions]"; return; }
    rx_wait_active "Spawnsmith | Exit?"
}

for row in "${generate_cases[@]}"; do
    IFS=';' read -r key game kind fill focus expected <<<"$row"
    rx_case "$game $kind creator: $key held on Generate My Code" \
        held_generate "$key" "$game" "$kind" "$fill" "$focus" "$expected"
done
rx_case "game-pick screen: Return held on Exit" held_exit
rx_finish
