#!/usr/bin/env bash
# Measures the real widget under Xvfb while it counts 3,000 a month: time to
# the first painted frame, CPU time per second of counting, and resident
# memory. Usage: widget.sh PATH_TO_PAYTICK [SECONDS]
set -euo pipefail

binary=$(realpath "$1")
seconds=${2:-30}
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run PAYTICK_REPORT_FIRST_FRAME=1
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Paytick" && chmod 700 "$XDG_RUNTIME_DIR"
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

printf '[General]\nsalary=3000\nperiod=Monthly\nstartedAt=%s\n' "$(date +%s.%N)" \
    >"$XDG_CONFIG_HOME/Paytick/Paytick.conf"

launched=$(date +%s.%N)
"$binary" 2>"$work/app.log" &
app=$!
for _ in $(seq 100); do grep -q 'first frame at' "$work/app.log" && break; sleep 0.05; done
first=$(sed -n 's/.*first frame at //p' "$work/app.log")

cpu_ticks() { awk "{ print \$14 + \$15 }" "/proc/$app/stat"; }
sleep 2
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
ticks_per_second=$(getconf CLK_TCK)
rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app/status")

awk -v a="$launched" -v f="$first" 'BEGIN { printf "start to first frame:      %.0f ms (target < 300)\n", (f - a) * 1000 }'
awk -v d=$((after - before)) -v t="$ticks_per_second" -v s="$seconds" \
    'BEGIN { printf "CPU per second counting:   %.2f ms (target < 5), over %d s\n", d * 1000 / t / s, s }'
echo "resident memory after ${seconds} s: $((rss / 1024)) MB (target < 60)"
