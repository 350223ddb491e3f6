#!/usr/bin/env bash
# Measures the real widget under Xvfb while it counts: time to the first
# painted frame, resident memory, and for two salaries (3,000 a month, whose
# fourth decimal moves about every other tick, and 2,600 a year, whose last
# digit moves about once a second), with and without a compositing manager,
# the CPU time of the widget and of the X server (and of the compositor)
# and the widget's wake-ups per second of counting.
# Beside them, in the same rounds, the same for repaint_floor: a bare Qt
# panel changing one cell as often as 3,000 a month changes the amount, the
# least Qt and the X server need for that. The rounds alternate between the
# programs, so a load that comes and goes weighs on both; the ratio is the
# median of the rounds' own ratios of total CPU.
# Usage: widget.sh PATH_TO_PAYTICK [SECONDS [RUNS]]
set -euo pipefail

binary=$(realpath "$1")
floor=$(dirname "$0")/../build/default/bench/repaint_floor
[ -x "$floor" ] || floor=$(dirname "$(realpath "$0")")/repaint_floor
seconds=${2:-20}
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
# wake-up), summed over a process's threads; nothing for no process.
cpu_ns() { [ -z "$1" ] && echo 0 && return; cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s + 0 }'; }
wakeups() { awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }' /proc/"$1"/task/*/status; }

# How often the shown text changes at `rate` a second: the moments (twenty a
# second) at which the amount's fourth decimal or the elapsed seconds move.
changes_per_second() { # changes_per_second RATE
    awk -v r="$1" 'BEGIN {
        for (k = 1; k <= 20 * 600; ++k) {
            a = int(r * k * 0.05 * 10000 + 0.5)
            if (a != last || k % 20 == 0) ++n
            last = a
        }
        printf "%.2f\n", n / 600 }'
}
rate() { # rate SALARY PERIOD: the amount earned a second
    awk -v s="$1" -v p="$2" 'BEGIN { print s / (p == "Monthly" ? 365.25 * 86400 / 12 : 365.25 * 86400) }'
}

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
    # Qt may send diagnostics to the journal when there is no terminal.
    QT_FORCE_STDERR_LOGGING=1 "$binary" 2>"$work/app.log" &
    app=$!
    for _ in $(seq 100); do grep -q 'first frame at' "$work/app.log" && break; sleep 0.05; done
    sed -n 's/.*first frame at //p' "$work/app.log" |
        awk -v a="$launched" '{ printf "%.0f\n", ($1 - a) * 1000 }' >>"$work/first-frame"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Appends "client X-server compositor wake-ups" (ms of CPU and wake-ups, a
# second) of one round to the file named LABEL.
measure() { # measure LABEL SALARY PERIOD, or measure LABEL floor CHANGES_PER_SECOND
    launch "$2" "$3"
    sleep 2
    local client0 server0 compositor0 wake0
    client0=$(cpu_ns "$app") server0=$(cpu_ns "$xvfb") compositor0=$(cpu_ns "$compositor")
    wake0=$(wakeups "$app")
    sleep "$seconds"
    echo "$(($(cpu_ns "$app") - client0)) $(($(cpu_ns "$xvfb") - server0))" \
        "$(($(cpu_ns "$compositor") - compositor0)) $(($(wakeups "$app") - wake0))" |
        awk -v s="$seconds" '{ printf "%.3f %.3f %.3f %.2f\n", $1 / 1e6 / s, $2 / 1e6 / s, $3 / 1e6 / s, $4 / s }' \
            >>"$work/$1"
    [ "$2" = floor ] || awk '/VmRSS/ { print int($2 / 1024) }' "/proc/$app/status" >>"$work/rss"
    kill "$app" && wait "$app" 2>/dev/null || true
    app=""
}

column() { cut -d' ' -f"$1" "$work/$2" | median; } # column N LABEL: its median

row() { # row LABEL NAME
    printf '  %-30s %6.2f %8.2f %7.2f %6.2f %8.1f\n' "$2" "$(column 1 "$1")" "$(column 2 "$1")" \
        "$(awk '{ print $1 + $2 }' "$work/$1" | median)" \
        "$(column 3 "$1")" "$(column 4 "$1")"
}

monthly=$(rate 3000 Monthly) yearly=$(rate 2600 Yearly)
# The floor changes its cell about as often as the amount changes at 3,000 a
# month, on a timer of whole milliseconds.
floor_rate=$(awk -v r="$monthly" 'BEGIN { printf "%.2f\n", 1000 / int(1000 / (r * 10000)) }')
for composited in no yes; do
    if [ "$composited" = yes ]; then
        xcompmgr >/dev/null 2>&1 &
        compositor=$!
        sleep 1
    fi
    for _ in $(seq "$runs"); do
        measure "monthly-$composited" 3000 Monthly
        measure "floor-$composited" floor "$floor_rate"
        measure "yearly-$composited" 2600 Yearly
    done
    if [ -n "$compositor" ]; then
        kill "$compositor" && wait "$compositor" 2>/dev/null || true
        compositor=""
    fi
done

echo "CPU in ms a second and wake-ups a second of counting (median of $runs x $seconds s):"
for composited in no yes; do
    [ "$composited" = yes ] && label="with xcompmgr" || label="no compositor"
    printf '  %-30s %6s %8s %7s %6s %8s\n' "$label" client X-server total comp. wake-ups
    row "monthly-$composited" "Paytick, 3,000 a month"
    row "floor-$composited" "bare Qt panel, $floor_rate changes/s"
    row "yearly-$composited" "Paytick, 2,600 a year"
    ratio=$(paste -d' ' "$work/monthly-$composited" "$work/floor-$composited" |
        awk '{ print ($1 + $2) / ($5 + $6) }' | median)
    printf '  3,000 a month / bare Qt panel, total CPU: %.2f (target <= 1.15)\n' "$ratio"
done
printf 'amount changes a second: %.2f at 3,000 a month, %.2f at 2,600 a year;\n' \
    "$(awk -v r="$monthly" 'BEGIN { print r * 10000 }')" "$(awk -v r="$yearly" 'BEGIN { print r * 10000 }')"
printf 'moments a second at which something shown changes: %s and %s\n' \
    "$(changes_per_second "$monthly")" "$(changes_per_second "$yearly")"
echo "(wake-ups target: at most one more a second than amount changes)"
echo "start to first frame: $(median <"$work/first-frame") ms (median; target < 300)"
echo "resident memory after ${seconds} s: $(median <"$work/rss") MB (median; target < 60)"
