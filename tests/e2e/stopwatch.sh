#!/usr/bin/env bash
# The stopwatch strip on a real X11 desktop: shown from the clock's menu,
# started and paused through its own menu, and put away with a click on its face.
#
# usage: stopwatch.sh PATH-TO-VELMORA
#
# The checks' helpers run through check and wait_until, which shellcheck cannot follow.
# shellcheck disable=SC2317
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

e2e_setup "$@"

stopwatch=
show_from_clock stopwatch 3 "884 87 125 25"
region=$(region_of "$stopwatch")
shot="$E2E_TMP/shot.png"

# --- Start -----------------------------------------------------------------

check "the stopwatch stands still before it is started" stands_still
check "the idle face shows dark lettering" pixels_at_least "$dark" 50

choose_item "$stopwatch" 1 # start
check "started, the face changes from second to second" keeps_changing
check "the running time is drawn in black" pixels_at_least "$dark" 50
check "the running time has no red" no_pixels "$red"
cp "$shot" "$artifacts/velmora-stopwatch-running.png"
note "screenshot: $artifacts/velmora-stopwatch-running.png"

# --- Pause -----------------------------------------------------------------

choose_item "$stopwatch" 2 # pause
check "pausing turns the face red" wait_until 3 shows_red
check "the paused time stands still" stands_still
cp "$shot" "$artifacts/velmora-stopwatch-paused.png"
note "screenshot: $artifacts/velmora-stopwatch-paused.png"

# --- Put away --------------------------------------------------------------

unmapped() { ! visible_windows "$APP_PID" | grep -qx "$1"; }
mapped() { visible_windows "$APP_PID" | grep -qx "$1"; }
click_window "$stopwatch" 1
check "a click on the face hides the stopwatch" eventually 3 unmapped "$stopwatch"
check "the clock stays up after the stopwatch is hidden" mapped "$clock"

finish
