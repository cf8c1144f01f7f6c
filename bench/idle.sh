#!/usr/bin/env bash
# Measures velmora next to a bare Qt label window in the same run: start-up
# time, idle wake-ups, idle CPU and resident memory, and checks them against
# the targets below.

set -u -o pipefail

usage() {
    cat <<EOF
Usage: bench/idle.sh [--strict] [--display :N] [--no-wm] [BUILD_DIR]

Compares BUILD_DIR/velmora with BUILD_DIR/bench/velmora_barelabel
(BUILD_DIR defaults to "build"). A private Xvfb (1024x768x24, no TCP) with
openbox as window manager is started and torn down again.

Options:
  --strict       exit 1 when a target is missed (default: report only)
  --display :N   use this existing X display instead of a private Xvfb
                 (no window manager is started on it)
  --no-wm        do not start openbox on the private Xvfb
  -h, --help     show this help

Environment:
  VELMORA_BIN    program measured in the "velmora" column
                 (default BUILD_DIR/velmora, or BUILD_DIR/app/velmora)
  BARE_BIN       program measured in the "bare label" column
                 (default BUILD_DIR/bench/velmora_barelabel)
                 Pointing both at the bare label checks the bench itself:
                   VELMORA_BIN=build/bench/velmora_barelabel bench/idle.sh
  IDLE_SECONDS   length of the idle measurement window (default 20)
  SETTLE_SECONDS wait after the first window appears before measuring (3)
  STARTUP_RUNS   start-up runs per program, median reported (default 5)
  POLL_SECONDS   interval of the window poll during start-up (0.002)

Exit status: 0 when everything ran (and, with --strict, every target was
met), 1 when a target was missed under --strict, 2 when something failed.
EOF
}

strict=0
use_display=""
start_wm=1
build_dir=""
while (($#)); do
    case "$1" in
        --strict) strict=1 ;;
        --display) shift; use_display="${1:-}"; [[ -n $use_display ]] || { usage >&2; exit 2; } ;;
        --display=*) use_display="${1#--display=}" ;;
        --no-wm) start_wm=0 ;;
        -h|--help) usage; exit 0 ;;
        -*) echo "idle.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
        *) [[ -z $build_dir ]] || { usage >&2; exit 2; }; build_dir="$1" ;;
    esac
    shift
done
build_dir="${build_dir:-build}"

IDLE_SECONDS="${IDLE_SECONDS:-20}"
SETTLE_SECONDS="${SETTLE_SECONDS:-3}"
STARTUP_RUNS="${STARTUP_RUNS:-5}"
POLL_SECONDS="${POLL_SECONDS:-0.002}"

# Targets.
WAKEUPS_MAX=1.5      # velmora wake-ups per second ("about one a second")
CPU_MAX=0.1          # velmora idle CPU %, must stay well under this
RSS_RATIO_MAX=1.3    # velmora RSS / bare label RSS
STARTUP_RATIO_MAX=1.2

die() { echo "idle.sh: $*" >&2; exit 2; }

for tool in xdotool xdpyinfo xprop getconf awk; do
    command -v "$tool" >/dev/null || die "$tool not found"
done
if [[ -z $use_display ]]; then
    command -v Xvfb >/dev/null || die "Xvfb not found"
    ((start_wm == 0)) || command -v openbox >/dev/null || die "openbox not found"
fi

if [[ -n ${VELMORA_BIN:-} ]]; then
    velmora_bin="$VELMORA_BIN"
elif [[ ! -x $build_dir/velmora && -x $build_dir/app/velmora ]]; then
    velmora_bin="$build_dir/app/velmora"
else
    velmora_bin="$build_dir/velmora"
fi
bare_bin="${BARE_BIN:-$build_dir/bench/velmora_barelabel}"
[[ -x $velmora_bin ]] || die "$velmora_bin is missing (build it, or set VELMORA_BIN)"
[[ -x $bare_bin ]] || die "$bare_bin is missing (build it, or set BARE_BIN)"

clk_tck=$(getconf CLK_TCK)
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-bench.XXXXXX") || die "mktemp failed"

xvfb_pid=""
wm_pid=""
app_pid=""
sleep_pid=""

# Long waits run in the background so that a signal ends the bench at once.
pause() { sleep "$1" & sleep_pid=$!; wait "$sleep_pid"; sleep_pid=""; }

stop_pid() {
    local pid="$1" i
    [[ -n $pid ]] || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 40; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

# shellcheck disable=SC2317  # invoked through the trap
cleanup() {
    [[ -z $sleep_pid ]] || kill "$sleep_pid" 2>/dev/null
    stop_pid "$app_pid"; app_pid=""
    stop_pid "$wm_pid"; wm_pid=""
    stop_pid "$xvfb_pid"; xvfb_pid=""
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP

# --- X display -------------------------------------------------------------

if [[ -n $use_display ]]; then
    display="$use_display"
    xdpyinfo -display "$display" >/dev/null 2>&1 || die "cannot open display $display"
else
    display=""
    for ((n = 91; n < 131; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -nolisten tcp -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for ((i = 0; i < 100; i++)); do
            kill -0 "$xvfb_pid" 2>/dev/null || break
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                display=":$n"
                break
            fi
            sleep 0.05
        done
        [[ -n $display ]] && break
        stop_pid "$xvfb_pid"; xvfb_pid=""
    done
    [[ -n $display ]] || die "could not start Xvfb on any of :91..:130"

    if ((start_wm)); then
        # A private config dir keeps the user's openbox setup out of the run.
        mkdir -p "$work/wmconfig"
        DISPLAY="$display" XDG_CONFIG_HOME="$work/wmconfig" \
            openbox --sm-disable >"$work/openbox.log" 2>&1 &
        wm_pid=$!
        for ((i = 0; i < 100; i++)); do
            kill -0 "$wm_pid" 2>/dev/null || die "openbox exited: $(tail -n 3 "$work/openbox.log")"
            xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
            sleep 0.05
        done
        ((i < 100)) || die "openbox did not come up"
    fi
fi

# --- Program environment ---------------------------------------------------

# Both programs get exactly the same environment: the bench display, the
# xcb platform and a private, initially empty configuration directory.
mkdir -p "$work/config"
child_env=(env -u WAYLAND_DISPLAY
    DISPLAY="$display"
    QT_QPA_PLATFORM=xcb
    LANG="${LANG:-C.UTF-8}"
    XDG_CONFIG_HOME="$work/config")

launch() { # launch BIN LOG -> sets app_pid
    "${child_env[@]}" "$1" >>"$2" 2>&1 &
    app_pid=$!
}

# Wall clock in nanoseconds; bash's EPOCHREALTIME avoids forking date.
if [[ -n ${EPOCHREALTIME:-} ]]; then
    now_ns() { local t="${EPOCHREALTIME/[.,]/}"; now=$((10#$t * 1000)); }
else
    now_ns() { now=$(date +%s%N); }
fi

# Waits for the first viewable window of app_pid and sets seen_ns to the
# time it was seen. Fails if the process dies or 30 s pass.
wait_window() {
    local deadline
    now_ns; deadline=$((now + 30000000000))
    while :; do
        if DISPLAY="$display" xdotool search --onlyvisible --pid "$app_pid" >/dev/null 2>&1; then
            now_ns; seen_ns=$now
            return 0
        fi
        kill -0 "$app_pid" 2>/dev/null || return 1
        now_ns
        ((now < deadline)) || return 1
        sleep "$POLL_SECONDS"
    done
}

fail_run() { # fail_run LABEL LOG WHAT
    echo "idle.sh: $1 $3; its last output:" >&2
    tail -n 10 "$2" >&2
    exit 2
}

# Start-up of one run; sets startup_ms (three decimals).
startup_once() { # startup_once BIN LOG LABEL
    local t0
    now_ns; t0=$now
    launch "$1" "$2"
    wait_window || fail_run "$3" "$2" "showed no window"
    stop_pid "$app_pid"; app_pid=""
    startup_ms=$(awk -v d=$((seen_ns - t0)) 'BEGIN { printf "%.3f", d / 1e6 }')
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Context switches summed over all threads of app_pid.
ctxt_switches() {
    cat /proc/"$app_pid"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { s += $2 } END { print s + 0 }'
}

# Context switches of the main (GUI) thread alone.
main_ctxt_switches() {
    awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { s += $2 } END { print s + 0 }' \
        /proc/"$app_pid"/status 2>/dev/null
}

# utime + stime of app_pid in clock ticks (fields 14 and 15 of stat, counted
# after the parenthesised command name, which may contain spaces).
cpu_ticks() {
    local stat rest
    stat=$(cat /proc/"$app_pid"/stat) || return 1
    rest="${stat##*) }"
    awk '{ print $12 + $13 }' <<<"$rest"
}

# Idle figures of one program; sets idle_result to
# "wakeups_per_s main_thread_wakeups_per_s cpu_percent rss_kib threads".
idle_once() { # idle_once BIN LOG LABEL
    local cs0 cs1 mc0 mc1 ct0 ct1 t0 t1 rss threads
    launch "$1" "$2"
    wait_window || fail_run "$3" "$2" "showed no window"
    pause "$SETTLE_SECONDS"
    now_ns; t0=$now; cs0=$(ctxt_switches); mc0=$(main_ctxt_switches); ct0=$(cpu_ticks)
    pause "$IDLE_SECONDS"
    cs1=$(ctxt_switches); mc1=$(main_ctxt_switches); ct1=$(cpu_ticks); now_ns; t1=$now
    kill -0 "$app_pid" 2>/dev/null || fail_run "$3" "$2" "exited while idle"
    rss=$(awk '/^VmRSS:/ { print $2 }' /proc/"$app_pid"/status)
    local tasks=(/proc/"$app_pid"/task/*)
    threads=${#tasks[@]}
    stop_pid "$app_pid"; app_pid=""
    idle_result=$(awk -v cs=$((cs1 - cs0)) -v mc=$((mc1 - mc0)) -v ct=$((ct1 - ct0)) -v ns=$((t1 - t0)) \
        -v hz="$clk_tck" -v rss="$rss" -v th="$threads" \
        'BEGIN { s = ns / 1e9; printf "%.3f %.3f %.4f %d %d", cs / s, mc / s, 100 * ct / hz / s, rss, th }')
}

# --- Measurements ----------------------------------------------------------

vlog="$work/velmora.log"
blog="$work/barelabel.log"

echo "velmora:    $velmora_bin"
echo "bare label: $bare_bin"
echo "display $display$( ((start_wm)) && [[ -z $use_display ]] && echo ' (Xvfb + openbox)' ), idle ${IDLE_SECONDS}s after ${SETTLE_SECONDS}s settle, ${STARTUP_RUNS} start-up runs"
echo

# One untimed launch each warms the page cache and font caches; the timed
# runs then alternate so that drift affects both programs alike.
startup_once "$velmora_bin" "$vlog" velmora
startup_once "$bare_bin" "$blog" "bare label"
v_starts=()
b_starts=()
for ((r = 0; r < STARTUP_RUNS; r++)); do
    startup_once "$velmora_bin" "$vlog" velmora; v_starts+=("$startup_ms")
    startup_once "$bare_bin" "$blog" "bare label"; b_starts+=("$startup_ms")
done
v_start=$(printf '%s\n' "${v_starts[@]}" | median)
b_start=$(printf '%s\n' "${b_starts[@]}" | median)

idle_once "$velmora_bin" "$vlog" velmora
read -r v_wake v_mwake v_cpu v_rss v_threads <<<"$idle_result"
idle_once "$bare_bin" "$blog" "bare label"
read -r b_wake b_mwake b_cpu b_rss b_threads <<<"$idle_result"
[[ -n ${v_rss:-} && -n ${b_rss:-} ]] || die "idle measurement failed"

# --- Report ----------------------------------------------------------------

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

printf '%-22s | %12s | %12s | %6s\n' metric velmora "bare label" ratio
printf '%-22s-+-%12s-+-%12s-+-%6s\n' ---------------------- ------------ ------------ ------
row() { printf '%-22s | %12s | %12s | %6s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")"; }
row "start-up, median (ms)" "$v_start" "$b_start"
row "wake-ups per second" "$v_wake" "$b_wake"
row "  main thread only" "$v_mwake" "$b_mwake"
row "CPU (%)" "$v_cpu" "$b_cpu"
row "RSS (KiB)" "$v_rss" "$b_rss"
row "threads" "$v_threads" "$b_threads"
echo
echo "start-up runs (ms): velmora ${v_starts[*]}; bare label ${b_starts[*]}"
awk -v t="$IDLE_SECONDS" -v hz="$clk_tck" 'BEGIN { printf "CPU resolution over %ss: %.3f %%\n", t, 100 / hz / t }'
echo

missed=0
check() { # check NAME VALUE OP LIMIT
    local ok
    ok=$(awk -v v="$2" -v l="$4" -v op="$3" 'BEGIN {
        if (v == "-") { print 0; exit }
        if (op == "<") print (v + 0 < l + 0); else print (v + 0 <= l + 0) }')
    if ((ok)); then
        printf 'PASS  %-40s (%s)\n' "$1" "$2"
    else
        printf 'FAIL  %-40s (%s)\n' "$1" "$2"
        missed=1
    fi
}
check "wake-ups about 1/s (<= $WAKEUPS_MAX)" "$v_wake" "<=" "$WAKEUPS_MAX"
check "idle CPU well under $CPU_MAX %" "$v_cpu" "<" "$CPU_MAX"
check "RSS ratio <= $RSS_RATIO_MAX" "$(ratio "$v_rss" "$b_rss")" "<=" "$RSS_RATIO_MAX"
check "start-up ratio <= $STARTUP_RATIO_MAX" "$(ratio "$v_start" "$b_start")" "<=" "$STARTUP_RATIO_MAX"

if ((strict && missed)); then
    exit 1
fi
exit 0
