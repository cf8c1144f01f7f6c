# shellcheck shell=bash
# Helpers for the end-to-end tests: a private X server with a window manager,
# the program under test, and ways to look at its windows from outside.
#
# A test sources this file, calls e2e_setup (or the start_* steps itself),
# runs `check NAME CMD...` for each behaviour and ends with `finish`.
# Every process started here, and the temporary folder, goes away on exit.

E2E_PASSED=0
E2E_FAILED=0
E2E_PIDS=()
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
APP_PID=
XVFB_PID=
WM_PID=

# Diagnostics go to stdout as comments, between the ok / not ok lines.
note() { printf '# %s\n' "$*"; }

e2e_cleanup() {
    local i pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        process_running "$pid" && kill -TERM "$pid" 2>/dev/null
        wait_until 3 process_gone "$pid" || kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    E2E_PIDS=()
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM HUP

# Stops the test at once: setup went wrong, so no check can be trusted.
bail() {
    printf 'not ok - %s\n' "$*"
    E2E_FAILED=$((E2E_FAILED + 1))
    finish
}

# Prints the closing summary and leaves with a status that says whether all passed.
finish() {
    printf '%d passed, %d failed\n' "$E2E_PASSED" "$E2E_FAILED"
    if ((E2E_FAILED > 0)); then exit 1; fi
    exit 0
}

# check NAME CMD...: runs CMD in this shell; passes when it succeeds.
check() {
    local name=$1
    shift
    if "$@"; then
        printf 'ok - %s\n' "$name"
        E2E_PASSED=$((E2E_PASSED + 1))
    else
        printf 'not ok - %s\n' "$name"
        E2E_FAILED=$((E2E_FAILED + 1))
    fi
}

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# wait_until SECONDS CMD...: polls CMD every 50 ms until it succeeds or time runs out.
wait_until() {
    local limit=$1
    shift
    local deadline=$(($(now_ms) + limit * 1000))
    until "$@" >/dev/null 2>&1; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
}

# eventually SECONDS CMD...: like wait_until, but the last attempt's output is shown.
eventually() {
    local limit=$1
    shift
    wait_until "$limit" "$@" && return 0
    "$@"
}

require_tools() {
    local tool missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    ((${#missing[@]} == 0)) || bail "tools present (missing: ${missing[*]})"
}

# A child that has exited but not been waited for is still listed: count it as gone.
process_running() {
    local state
    [[ -n $1 ]] && kill -0 "$1" 2>/dev/null || return 1
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ $state != Z ]]
}
process_gone() { ! process_running "$1"; }

# --- The display -----------------------------------------------------------

# Starts Xvfb on the first free display from :93 up and exports DISPLAY.
start_xvfb() {
    local n
    for ((n = 93; n < 140; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
        XVFB_PID=$!
        E2E_PIDS+=("$XVFB_PID")
        export DISPLAY=":$n"
        # Another server may have taken the display in between: then it dies and we move on.
        if wait_until 10 display_answers_or_died && process_running "$XVFB_PID" && xdpyinfo >/dev/null 2>&1; then
            return 0
        fi
        process_running "$XVFB_PID" && kill -KILL "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    done
    cat "$E2E_TMP/xvfb.log" >&2
    bail "X server starts"
}
display_answers_or_died() { process_gone "$XVFB_PID" || xdpyinfo >/dev/null 2>&1; }

# Starts openbox and waits until it has announced itself as the window manager.
start_wm() {
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    E2E_PIDS+=("$WM_PID")
    wait_until 10 wm_running || {
        cat "$E2E_TMP/openbox.log" >&2
        bail "window manager starts"
    }
}
wm_running() {
    process_running "$WM_PID" && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# start_program PATH [ARGS...]: starts it on the xcb platform and waits for its first mapped window.
start_program() {
    [[ -x $1 ]] || bail "program exists at $1"
    mkdir -m 0700 "$E2E_TMP/runtime"
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
        "$@" >"$E2E_TMP/program.log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
    wait_until 10 visible_windows "$APP_PID" || {
        note "program output:"
        sed 's/^/#   /' "$E2E_TMP/program.log"
        bail "program shows a window"
    }
}

# e2e_setup PROGRAM [ARGS...]: everything a test needs before its first check.
# e2e_setup PATH-TO-VELMORA: a private X server, a window manager and the
# program on them; sets `clock` (its first window) and `artifacts` (where
# screenshots go).
e2e_setup() {
    if (($# < 1)); then
        echo "usage: $0 PATH-TO-VELMORA" >&2
        exit 2
    fi
    require_tools Xvfb xdpyinfo openbox xdotool xwininfo xprop import convert
    start_xvfb
    start_wm
    start_program "$@"
    clock=$(visible_windows "$APP_PID" | head -n 1)
    artifacts=${E2E_ARTIFACTS:-/tmp}
    mkdir -p "$artifacts"
}

# The program's output so far, for a failing check to show.
program_log() { sed 's/^/#   /' "$E2E_TMP/program.log"; }

# wait_for_exit PID SECONDS: succeeds once the process has ended.
wait_for_exit() { wait_until "$2" process_gone "$1"; }

# --- Windows ---------------------------------------------------------------

screen_size() { xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2; exit }'; }

# Ids of the process's mapped (viewable) windows, one a line; fails when there are none.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }

# Absolute position and size of a window: "X Y WIDTH HEIGHT".
window_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (w == "") exit 1; print x, y, w, h }'
}

# The value part of one xprop property, or failure when it is not set.
window_property() {
    local line
    line=$(xprop -id "$1" "$2" 2>/dev/null) || return 1
    [[ $line == *" = "* ]] || return 1
    printf '%s\n' "${line#* = }"
}

# _NET_WM_STATE atoms, one a line.
window_state() { window_property "$1" _NET_WM_STATE | tr -d ' ' | tr ',' '\n'; }

# _NET_FRAME_EXTENTS as "LEFT RIGHT TOP BOTTOM".
frame_extents() { window_property "$1" _NET_FRAME_EXTENTS | tr -d ',' | tr -s ' '; }

# The window's title: _NET_WM_NAME, else WM_NAME.
window_title() {
    local value
    value=$(window_property "$1" _NET_WM_NAME) || value=$(window_property "$1" WM_NAME) || return 1
    value=${value#\"}
    printf '%s\n' "${value%\"}"
}

# --- Pointer ---------------------------------------------------------------

pointer_at() { [[ $(xdotool getmouselocation 2>/dev/null) == "x:$1 y:$2 "* ]]; }

# move_pointer X Y: moves the pointer and waits until the server has it there.
# (xdotool's own --sync waits for a motion event, which never comes when the
# pointer is already in place.)
move_pointer() { xdotool mousemove "$1" "$2" && wait_until 3 pointer_at "$1" "$2"; }

# click_window WID BUTTON [COUNT]: moves the pointer to the window's centre and clicks there.
click_window() {
    local x y w h
    read -r x y w h < <(window_geometry "$1") || return 1
    move_pointer $((x + w / 2)) $((y + h / 2)) || return 1
    xdotool click --repeat "${3:-1}" --delay 80 "$2"
}

# drag_pointer FROM_X FROM_Y TO_X TO_Y [STEPS]: left-button drag in straight steps.
drag_pointer() {
    local i steps=${5:-10}
    move_pointer "$1" "$2" && xdotool mousedown 1 || return 1
    for ((i = 1; i <= steps; i++)); do
        move_pointer $(($1 + ($3 - $1) * i / steps)) $(($2 + ($4 - $2) * i / steps)) || break
    done
    xdotool mouseup 1
    pointer_at "$3" "$4"
}

# --- Menus -----------------------------------------------------------------

# The process's open menus: its mapped override-redirect windows, oldest first.
popup_windows() {
    local w
    for w in $(visible_windows "$1" | sort -n); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$w"
    done
}
popup_count_is() { [[ $(popup_windows "$1" | grep -c .) -eq $2 ]]; }

# menu_painted WID: the menu shows dark text on a face that is mostly light
# (before its first paint it shows whatever lay beneath, the black root for one).
menu_painted() {
    local x y w h region shot="$E2E_TMP/menu-check.png"
    read -r x y w h < <(window_geometry "$1") || return 1
    region="${w}x$h+$x+$y"
    screenshot "$shot" &&
        (($(count_pixels "$shot" "$region" 'r > 200 && g > 200 && b > 200') * 2 > w * h)) &&
        (($(count_pixels "$shot" "$region" 'r < 80 && g < 80 && b < 80') > 20))
}
newest_menu_painted() {
    local menu
    menu=$(popup_windows "$APP_PID" | tail -n 1)
    [[ -n $menu ]] && menu_painted "$menu"
}

# open_menu_at X Y: right-clicks there and waits until the program's menu is up
# and painted, so that it has the keyboard by the time keys are sent.
open_menu_at() {
    move_pointer "$1" "$2" && xdotool click 3 || return 1
    wait_until 3 popup_count_is "$APP_PID" 1 && wait_until 3 newest_menu_painted
}

# open_menu_on WID: right-click in the middle of the window.
open_menu_on() {
    local x y w h
    read -r x y w h < <(window_geometry "$1") || return 1
    open_menu_at $((x + w / 2)) $((y + h / 2))
}

# menu_keys OPEN_AFTER KEYS...: types into the open menu and waits until
# OPEN_AFTER menus remain (more when a submenu opens, 0 once an item is chosen).
menu_keys() {
    local open_after=$1
    shift
    xdotool key --delay 30 "$@" || return 1
    wait_until 3 popup_count_is "$APP_PID" "$open_after" || return 1
    ((open_after == 0)) || wait_until 3 newest_menu_painted
}

# choose_item WID N: opens the window's menu and chooses its Nth item with the keyboard.
choose_item() {
    local i downs=()
    for ((i = 0; i < $2; i++)); do downs+=(Down); done
    open_menu_on "$1" && menu_keys 0 "${downs[@]}" Return
}

# region_of WID: the window's place on the screen as an ImageMagick WxH+X+Y geometry.
region_of() {
    local x y w h
    read -r x y w h < <(window_geometry "$1") || return 1
    echo "${w}x$h+$x+$y"
}

# window_with_geometry PID "X Y W H": the id of a mapped window of the process there.
window_with_geometry() {
    local w
    for w in $(visible_windows "$1"); do
        [[ $(window_geometry "$w") == "$2" ]] && { echo "$w"; return 0; }
    done
    return 1
}

# --- Pictures --------------------------------------------------------------

screenshot() { import -window root "$1"; }

# pixel FILE X Y: "R G B" in 0..255.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]\n" info:
}

# count_pixels FILE GEOMETRY CONDITION: how many pixels in the WxH+X+Y region meet
# an awk CONDITION over r, g and b (0..255), e.g. 'r > 180 && g > 180 && b < 100'.
count_pixels() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | awk '
        NR > 1 {
            s = $0; sub(/^[^(]*\(/, "", s); sub(/\).*/, "", s)
            split(s, c, ","); r = c[1] + 0; g = c[2] + 0; b = c[3] + 0
            if ('"$3"') n++
        }
        END { print n + 0 }'
}

# region_digest FILE GEOMETRY: a checksum of the region's pixels, to see whether it changed.
region_digest() { convert "$1" -crop "$2" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1; }

# --- Watching one window's pixels -------------------------------------------
# Callers set `region` (from region_of) and `shot`, a screenshot file to reuse.

red='r > 180 && g < 80 && b < 80'
# shellcheck disable=SC2034 # used by the scripts that source this
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

# The region changes twice, a second apart each time.
keeps_changing() {
    local first second
    screenshot "$shot" && first=$(region_digest "$shot" "$region")
    wait_until 3 picture_changed_from "$first" || { note "the region stayed as it was"; return 1; }
    second=$(region_digest "$shot" "$region")
    wait_until 3 picture_changed_from "$second" || { note "the region changed once, then stopped"; return 1; }
}
# Nothing changes for two seconds.
stands_still() {
    local digest
    screenshot "$shot" && digest=$(region_digest "$shot" "$region")
    ! wait_until 2 picture_changed_from "$digest" || { note "the region changed"; return 1; }
}

# show_from_clock VAR ITEM "X Y W H": picks the clock's menu item, waits for a
# window of the program at that geometry and puts its id in VAR; bails
# (in this shell, so the test stops) when none comes.
show_from_clock() {
    choose_item "$clock" "$2"
    wait_until 3 window_with_geometry "$APP_PID" "$3" || bail "the clock's menu item $2 shows a window at '$3'"
    printf -v "$1" '%s' "$(window_with_geometry "$APP_PID" "$3")"
}
