#!/usr/bin/env bash
# Measures the real widget under Xvfb while it counts: time to the first
# painted frame, resident memory, and for two salaries (3,000 a month, whose
# fourth decimal moves about every other tick, and 2,600 a year, whose last
# digit moves about once a second), with and without a compositing manager,
# the CPU time and the wake-ups per second of counting, as medians of RUNS.
# Beside them, the same for repaint_floor: a bare Qt panel repainting one
# cell as often, the part of the cost that is Qt's and the X server's.
# Usage: widget.sh PATH_TO_PAYTICK [SECONDS [RUNS]]
set -euo pipefail

binary=$(realpath "$1")
floor=$(dirname "$0")/../build/default/bench/repaint_floor
[ -x "$floor" ] || floor=$(dirname "$(realpath "$0")")/repaint_floor
seconds=${2:-60}
runs=${3:-3}
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run PAYTICK_REPORT_FIRST_FRAME=1
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Paytick" && chmod 700 "$XDG_RUNTIME_DIR"
app="" compositor=""
cleanup() { kill ${app:-} ${compositor:-} "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Nanoseconds on a CPU and voluntary context switches (sleeps that ended in a
# wake-up), summed over the process's threads.
cpu_ns() { cat /proc/"$app"/task/*/schedstat | awk '{ sum += $1 } END { print sum }'; }
wakeups() { cat /proc/"$app"/task/*/status | awk '/^voluntary_ctxt_switches/ { sum += $2 } END { print sum }'; }

launch() { # launch SALARY PERIOD, or launch floor CHANGES_PER_SECOND
    if [ "$1" = floor ]; then
        "$floor" "$2" 2>/dev/null &
        app=$!
        return
    fi
    printf '[General]\nsalary=%s\nperiod=%s\nstartedAt=%s\n' "$1" "$2" "$(date +%s.%N)" \
        >"$XDG_CONFIG_HOME/Paytick/Paytick.conf"
    local launched
    launched=$(date +%s.%N)
    "$binary" 2>"$work/app.log" &
    app=$!
    for _ in $(seq 100); do grep -q 'first frame at' "$work/app.log" && break; sleep 0.05; done
    sed -n 's/.*first frame at //p' "$work/app.log" |
        awk -v a="$launched" '{ printf "%.0f\n", ($1 - a) * 1000 }' >>"$work/first-frame"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Prints "CPU-ms-per-second wake-ups-per-second" for one run.
measure() { # measure SALARY PERIOD
    launch "$1" "$2"
    sleep 2
    local cpu0 wake0
    cpu0=$(cpu_ns) wake0=$(wakeups)
    sleep "$seconds"
    awk -v c=$(($(cpu_ns) - cpu0)) -v w=$(($(wakeups) - wake0)) -v s="$seconds" \
        'BEGIN { printf "%.2f %.1f\n", c / 1e6 / s, w / s }'
    awk '/VmRSS/ { print int($2 / 1024) }' "/proc/$app/status" >>"$work/rss"
    kill "$app" && wait "$app" 2>/dev/null || true
    app=""
}

report() { # report LABEL SALARY PERIOD
    local results
    results=$(for _ in $(seq "$runs"); do measure "$2" "$3"; done)
    printf '%-34s CPU %5.2f ms/s   wake-ups %5.1f /s   (median of %d x %d s)\n' "$1" \
        "$(cut -d' ' -f1 <<<"$results" | median)" "$(cut -d' ' -f2 <<<"$results" | median)" \
        "$runs" "$seconds"
}

for composited in no yes; do
    if [ "$composited" = yes ]; then
        xcompmgr >/dev/null 2>&1 &
        compositor=$!
        label="with xcompmgr"
    else
        label="no compositor"
    fi
    report "3,000 a month, $label:" 3000 Monthly
    report "2,600 a year, $label:" 2600 Yearly
done
kill "$compositor" && compositor=""
if [ -x "$floor" ]; then
    report "bare Qt panel, 12 changes a second:" floor 12
    report "bare Qt panel, 2 changes a second:" floor 2
fi

echo "start to first frame: $(median <"$work/first-frame") ms (median; target < 300)"
echo "resident memory after ${seconds} s: $(median <"$work/rss") MB (median; target < 60)"
