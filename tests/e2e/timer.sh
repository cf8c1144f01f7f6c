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

if (($# < 1)); then
    echo "usage: $0 PATH-TO-VELMORA" >&2
    exit 2
fi

e2e_setup "$1"

clock=$(visible_windows "$APP_PID" | head -n 1)
artifacts=${E2E_ARTIFACTS:-/tmp}
mkdir -p "$artifacts"

choose_item "$clock" 2 # show the timer
wait_until 3 window_with_geometry "$APP_PID" "884 66 125 25" || bail "the clock's menu shows the timer at 884,66"
timer=$(window_with_geometry "$APP_PID" "884 66 125 25")
region=$(region_of "$timer")
shot="$E2E_TMP/shot.png"
red='r > 180 && g < 80 && b < 80'
dark='r < 60 && g < 60 && b < 60'

pixels_at_least() {
    local count
    count=$(count_pixels "$shot" "$region" "$1")
    ((count >= $2)) || { note "$count pixels meet '$1', expected at least $2"; return 1; }
}
no_pixels() {
    local count
    count=$(count_pixels "$shot" "$region" "$1")
    ((count == 0)) || { note "$count pixels meet '$1'"; return 1; }
}
picture_changed_from() { screenshot "$shot" && [[ $(region_digest "$shot" "$region") != "$1" ]]; }
shows_red() { screenshot "$shot" && (($(count_pixels "$shot" "$region" "$red") >= 50)); }

# The strip changes twice, a second apart each time, once the count is running.
counts() {
    local first second
    screenshot "$shot" && first=$(region_digest "$shot" "$region")
    wait_until 3 picture_changed_from "$first" || { note "the strip stayed as it was"; return 1; }
    second=$(region_digest "$shot" "$region")
    wait_until 3 picture_changed_from "$second" || { note "the strip changed once, then stopped"; return 1; }
}
# Nothing changes for two seconds.
stands_still() {
    local digest
    screenshot "$shot" && digest=$(region_digest "$shot" "$region")
    ! wait_until 2 picture_changed_from "$digest" || { note "the strip changed"; return 1; }
}

# --- One minute, through the strip's menu and submenus ---------------------

start_one_minute() {
    open_menu_on "$timer" || { note "no menu on the strip"; return 1; }
    menu_keys 2 Down Return || { note "the start item opened no submenu"; return 1; }
    menu_keys 3 Return || { note "the first group opened no submenu"; return 1; }
    menu_keys 0 Return || { note "the menus stayed open"; return 1; }
}
check "start, 1-10 min, 1 min can be chosen from the strip's menu" start_one_minute

check "the started timer counts down from second to second" counts
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
