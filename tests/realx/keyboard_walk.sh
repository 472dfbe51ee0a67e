#!/usr/bin/env bash
# The plain keyboard walk: a user who never touches the mouse goes from the game-pick screen to a
# generated GTA3 weapon line, copies it out of the result box and leaves through "Exit" and
# "Yes". It only uses what every build of the program shows (captions, focus, clipboard, exit
# status), so it also checks other builds, e.g. one run under Wine:
#
#     tests/realx/keyboard_walk.sh build/release/src/spawnsmith
#     tests/realx/keyboard_walk.sh wine build/windows/src/spawnsmith.exe
source "$(dirname "$0")/lib.sh"
rx_init "$@"
rx_start_display 1024x768

expected_line='032B: $r = create_weapon_pickup #ROCKET  14 ammo  50 at 1 2 3'

walk() {
    # After the splash the game-pick screen is up, its GTA3 button focused.
    rx_launch || return
    rx_key Return
    rx_wait_active "Spawnsmith | GTA3 Code Pick" || return
    # "Create Weapon Spawn Point" is the first button and has the focus.
    rx_key Return
    rx_wait_active "Spawnsmith | GTA3 Weapon Spawn Point Creator" || return

    # The list has the focus with no row selected: the first Down selects row 0, six more reach
    # row 6, "Rocket Launcher". Then X, Y, Z, code name and ammo follow in the tab order.
    rx_key Down Down Down Down Down Down Down
    rx_key Tab && rx_type 1
    rx_key Tab && rx_type 2
    rx_key Tab && rx_type 3
    rx_key Tab && rx_type r
    rx_key Tab && rx_type 50
    rx_key Tab Return
    rx_wait_active "Spawnsmith | GTA3 Weapon Spawn Point Code" || return
    rx_wait_gone "Spawnsmith | GTA3 Weapon Spawn Point Creator" || return

    # The result box has the focus: select all, copy, read the clipboard.
    local copied
    copied=$(rx_copy_focused_text) || { rx_fail "nothing could be read from the clipboard"; return; }
    rx_expect_equal "the copied result" "$expected_line" "$copied" || return

    # Four tabs from the box: back to the creator, back to the code pick, back to game pick, Exit.
    rx_key Tab Tab Tab Tab Return
    rx_wait_active "Spawnsmith | Exit?" || return
    # The confirm dialog of this result screen starts on "Yes"; Enter ends the program.
    rx_key Return
    rx_wait_app_exit 5 || { rx_fail "the program still runs 5 s after \"Yes\""; return; }
    [ "$RX_APP_STATUS" = 0 ] || rx_fail "the program ended with status $RX_APP_STATUS, expected 0"
}

rx_case "keyboard walk: GTA3 Rocket Launcher line, copied, then Exit and Yes" walk
rx_finish
