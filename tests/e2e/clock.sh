#!/usr/bin/env bash
# The clock window on a real X11 desktop, looked at from outside: where it sits,
# how the window manager treats it, what it paints, and the double-click that ends it.
#
# usage: clock.sh PATH-TO-VELMORA
#
# The checks' helpers run through check and wait_until, which shellcheck cannot follow.
# shellcheck disable=SC2317
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

e2e_setup "$@"

read -r screen_width _ < <(screen_size)
note "clock window: $clock"

# --- The window as the window manager sees it ------------------------------

geometry_is() {
    local actual
    actual=$(window_geometry "$1")
    [[ $actual == "$2" ]] || { note "geometry: '$actual', expected '$2'"; return 1; }
}

no_frame() {
    local extents
    extents=$(frame_extents "$1")
    [[ $extents == "0 0 0 0" ]] || { note "_NET_FRAME_EXTENTS: '$extents'"; return 1; }
}

stays_on_top() {
    local state
    state=$(window_state "$1")
    grep -qx _NET_WM_STATE_ABOVE <<<"$state" || { note "_NET_WM_STATE: '${state//$'\n'/ }'"; return 1; }
}

titled() {
    local title
    title=$(window_title "$1")
    [[ $title == "$2" ]] || { note "title: '$title'"; return 1; }
}

check "clock window sits 37 px from the top, 140 px in from the right, 125x28" \
    eventually 3 geometry_is "$clock" "$((screen_width - 140)) 37 125 28"
check "clock window has no frame" eventually 3 no_frame "$clock"
check "clock window stays above other windows" eventually 3 stays_on_top "$clock"
check "clock window is titled Velmora" titled "$clock" Velmora

# --- What it paints --------------------------------------------------------

read -r wx wy ww wh < <(window_geometry "$clock")
region="${ww}x${wh}+${wx}+${wy}"
shot="$E2E_TMP/shot.png"
yellow='r > 180 && g > 180 && b < 100'

yellow_text_shown() {
    screenshot "$shot" && (($(count_pixels "$shot" "$region" "$yellow") > 0))
}
window_picture_changed_from() {
    screenshot "$shot" && [[ $(region_digest "$shot" "$region") != "$1" ]]
}

# The greeting is up once yellow text appears; the caption has moved on once the
# window's picture differs from that.
wait_until 3 yellow_text_shown || note "no yellow text seen at first"
greeting=$(region_digest "$shot" "$region")
check "caption moves on from the greeting within 3 s" wait_until 3 window_picture_changed_from "$greeting"

artifacts=${E2E_ARTIFACTS:-/tmp}
mkdir -p "$artifacts"
cp "$shot" "$artifacts/velmora-clock.png"
note "screenshot: $artifacts/velmora-clock.png"

one_window_mapped() {
    local windows
    windows=$(visible_windows "$APP_PID")
    [[ $(wc -l <<<"$windows") -eq 1 ]] || { note "mapped windows: ${windows//$'\n'/ }"; return 1; }
}
check "only the clock window is mapped" one_window_mapped

# rows_meet FIRST_ROW ROWS CONDITION: every pixel of those rows of the window meets CONDITION.
rows_meet() {
    local count
    count=$(count_pixels "$shot" "${ww}x$2+$wx+$((wy + $1))" "$3")
    ((count == ww * $2)) || { note "$count of $((ww * $2)) pixels meet '$3'"; return 1; }
}
yellow_pixels_at_least() {
    local count
    count=$(count_pixels "$shot" "$region" "$yellow")
    ((count >= $1)) || { note "$count yellow pixels"; return 1; }
}

check "background is near white at the top" rows_meet 0 2 'r > 200 && g > 200 && b > 200'
check "background is blue at the bottom" rows_meet $((wh - 2)) 2 'b > 200 && r < 80 && g < 80'
check "time is drawn in yellow" yellow_pixels_at_least 100

# --- Ending it -------------------------------------------------------------

ends_cleanly() {
    local status
    wait_for_exit "$APP_PID" 5 || { note "still running 5 s after the double-click"; return 1; }
    wait "$APP_PID"
    status=$?
    ((status == 0)) || { note "exit status $status"; program_log; return 1; }
}

click_window "$clock" 1 2
check "double-click on the clock ends the program with status 0" ends_cleanly

finish
