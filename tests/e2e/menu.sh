#!/usr/bin/env bash
# The clock's popup menu on a real X11 desktop, driven with a real right-click
# and the keyboard: showing the companions, translucency, and the companions
# following the clock when they move together.
#
# usage: menu.sh PATH-TO-VELMORA
#
# The checks' helpers run through check and wait_until, which shellcheck cannot follow.
# shellcheck disable=SC2317
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

e2e_setup "$@"

# Menu items, counted from the top.
SHOW_ALL=4 TRANSLUCENT=5 MOVE_TOGETHER=6 VERSION=7

shown_at() {
    window_with_geometry "$APP_PID" "$1" >/dev/null && return 0
    note "no mapped window at '$1'; mapped:"
    local w
    for w in $(visible_windows "$APP_PID"); do note "  $w: $(window_geometry "$w")"; done
    return 1
}

# --- The menu itself -------------------------------------------------------

read -r cx cy cw ch < <(window_geometry "$clock")
px=$((cx + cw / 2)) py=$((cy + ch / 2))

menu_opens_at_pointer() {
    open_menu_at "$px" "$py" || { note "no painted menu after the right-click"; return 1; }
    screenshot "$artifacts/velmora-menu.png"
    note "screenshot: $artifacts/velmora-menu.png"
    local menu mx my mw mh
    menu=$(popup_windows "$APP_PID" | head -n 1)
    read -r mx my mw mh < <(window_geometry "$menu")
    # The top edge is at the pointer; the menu may open leftwards to stay on the screen.
    ((my >= py && my <= py + 4 && px >= mx && px <= mx + mw)) ||
        { note "menu at $mx,$my ${mw}x$mh, pointer at $px,$py"; return 1; }
}
check "right-click on the clock opens its menu at the pointer" menu_opens_at_pointer

menu_keys 0 Down Down Return # the second item shows the timer
check "showing the timer maps it under the clock at 884,66, 125x25" eventually 3 shown_at "884 66 125 25"
timer=$(window_with_geometry "$APP_PID" "884 66 125 25")

# --- Translucency ----------------------------------------------------------

# opacity_near WID ALPHA: _NET_WM_WINDOW_OPACITY is ALPHA/255 of fully opaque.
opacity_near() {
    local value want=$((0xffffffff * $2 / 255))
    value=$(window_property "$1" _NET_WM_WINDOW_OPACITY) || { note "no opacity on $1"; return 1; }
    ((value >= want - 2 && value <= want + 2)) || { note "opacity of $1: $value, expected $want"; return 1; }
}
opaque() {
    local value
    value=$(window_property "$1" _NET_WM_WINDOW_OPACITY) || return 0
    ((value == 0xffffffff)) || { note "opacity of $1: $value"; return 1; }
}

choose_item "$clock" $TRANSLUCENT
check "translucency makes the clock 55/255 opaque" eventually 3 opacity_near "$clock" 55
check "translucency makes the timer 100/255 opaque" eventually 3 opacity_near "$timer" 100

choose_item "$clock" $TRANSLUCENT
check "translucency chosen again makes the clock opaque" eventually 3 opaque "$clock"
check "translucency chosen again makes the timer opaque" eventually 3 opaque "$timer"

# --- Show all --------------------------------------------------------------

choose_item "$clock" $SHOW_ALL
check "show all keeps the timer at 884,66, 125x25" eventually 3 shown_at "884 66 125 25"
check "show all maps the stopwatch at 884,87, 125x25" eventually 3 shown_at "884 87 125 25"
check "show all maps the calendar at 881,114, 134x157" eventually 3 shown_at "881 114 134 157"
screenshot "$artifacts/velmora-all.png"
note "screenshot: $artifacts/velmora-all.png"

stopwatch=$(window_with_geometry "$APP_PID" "884 87 125 25")
calendar=$(window_with_geometry "$APP_PID" "881 114 134 157")

# --- The about window ------------------------------------------------------

choose_item "$clock" $VERSION
check "the version command centres the about window, 307x242" eventually 3 shown_at "358 263 307 242"
about=$(window_with_geometry "$APP_PID" "358 263 307 242")
not_on_top() { ! window_state "$1" | grep -qx _NET_WM_STATE_ABOVE; }
check "the about window is not kept on top" not_on_top "$about"
screenshot "$artifacts/velmora-about.png"
note "screenshot: $artifacts/velmora-about.png"
xdotool key Return
check "Enter on its focused close button closes the about window" \
    eventually 3 bash -c "! xdotool search --onlyvisible --pid $APP_PID 2>/dev/null | grep -qx $about"

# --- Moving together -------------------------------------------------------

choose_item "$clock" $MOVE_TOGETHER

# Grab the clock 20,10 in from its corner and carry the corner to 500,300.
drag_pointer $((cx + 20)) $((cy + 10)) 520 310 12

clock_settled_near() {
    local x y w h
    read -r x y w h < <(window_geometry "$clock")
    ((x >= $1 - 3 && x <= $1 + 3 && y >= $2 - 3 && y <= $2 + 3)) ||
        { note "clock at $x,$y"; return 1; }
}
check "dragging the clock carries it with the pointer to about 500,300" eventually 3 clock_settled_near 500 300
read -r nx ny _ _ < <(window_geometry "$clock")
note "clock now at $nx,$ny"

at() {
    local actual
    actual=$(window_geometry "$1")
    [[ $actual == "$2" ]] || { note "geometry of $1: '$actual', expected '$2'"; return 1; }
}
check "moving together puts the timer right under the clock" \
    eventually 3 at "$timer" "$nx $((ny + 25)) 125 25"
check "moving together puts the stopwatch under the timer" \
    eventually 3 at "$stopwatch" "$nx $((ny + 50)) 125 25"
check "moving together puts the calendar under the stopwatch, 3 px to the left" \
    eventually 3 at "$calendar" "$((nx - 3)) $((ny + 75)) 134 157"

finish
