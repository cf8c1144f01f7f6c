#!/usr/bin/env bash
# The countdown timer strip on a real X11 desktop: shown from the clock's menu,
# started for one minute through its own menu and submenus, then paused.
#
# usage: timer.sh PATH-TO-VELMORA
#
# The checks' helpers run through check and wait_until, which shellcheck cannot follow.
# shellcheck disable=SC2317
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

e2e_setup "$@"

timer=
show_from_clock timer 2 "884 66 125 25"
region=$(region_of "$timer")
shot="$E2E_TMP/shot.png"

# --- One minute, through the strip's menu and submenus ---------------------

start_one_minute() {
    open_menu_on "$timer" || { note "no menu on the strip"; return 1; }
    menu_keys 2 Down Return || { note "the start item opened no submenu"; return 1; }
    menu_keys 3 Return || { note "the first group opened no submenu"; return 1; }
    menu_keys 0 Return || { note "the menus stayed open"; return 1; }
}
check "start, 1-10 min, 1 min can be chosen from the strip's menu" start_one_minute

check "the started timer counts down from second to second" keeps_changing
check "the count is drawn in black" pixels_at_least "$dark" 50
check "the running count has no red" no_pixels "$red"
cp "$shot" "$artifacts/velmora-timer-counting.png"
note "screenshot: $artifacts/velmora-timer-counting.png"

# --- Pause -----------------------------------------------------------------

choose_item "$timer" 2 # pause
check "pausing turns the count red" wait_until 3 shows_red
check "the paused count stands still" stands_still
cp "$shot" "$artifacts/velmora-timer-paused.png"
note "screenshot: $artifacts/velmora-timer-paused.png"

finish
