#!/usr/bin/env bash
# Drives the real paytick binary under Xvfb as a user would, and checks what
# it stores and shows. Usage: panel.sh PATH_TO_PAYTICK
set -uo pipefail

binary=$(realpath "$1")
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
conf=$XDG_CONFIG_HOME/Paytick/Paytick.conf
failures=0
app=""

cleanup() {
    [ "$failures" -eq 0 ] || { echo "--- app log"; cat "$work/app.log"; }
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Passes as soon as the command succeeds, giving a slow (sanitizer) build up
# to ten seconds to get there.
check() { # check DESCRIPTION COMMAND...
    for _ in $(seq 50); do
        if "${@:2}"; then echo "ok   $1"; return; fi
        sleep 0.2
    done
    echo "FAIL $1"
    failures=$((failures + 1))
}

# -noreset: a server that resets when its last client goes (the kill -9
# below) refuses the next one for a moment.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

start_app() {
    "$binary" >>"$work/app.log" 2>&1 &
    app=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Paytick$' 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 0.5
}

setting() { sed -n "s/^$1=//p" "$conf" 2>/dev/null; }

# Counts pixels of the digit colour (Green: 64, 255, 115) in a rectangle of the panel.
green_pixels() { # x y width height, relative to the panel
    local X=0 Y=0
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)"
    import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage "$work/shot.png"
    convert "$work/shot.png" -format %c histogram:info:- | grep -i '#40FF73' |
        awk '{ sum += $1 } END { print sum + 0 }'
}

between() { # between LOW VALUE HIGH
    awk -v low="$1" -v value="$2" -v high="$3" 'BEGIN { exit !(low <= value && value <= high) }'
}

# First start: a 320 x 132 panel above others on every desktop.
start_app
check "the panel appears" test -n "$window"
size() { xdotool getwindowgeometry --shell "$window" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | paste -sd x; }
check "the panel is 320 x 132" test "$(size)" = 320x132
states=$(xprop -id "$window" _NET_WM_STATE)
check "the panel stays above other windows" grep -q _NET_WM_STATE_ABOVE <<<"$states"
check "the panel is on every desktop" grep -q _NET_WM_STATE_STICKY <<<"$states"

# Typing a salary and Return starts counting.
xdotool windowfocus --sync "$window"
xdotool type --delay 40 5000
pressed=$(date +%s.%N)
xdotool key Return
check "the salary is stored as typed" test "$(setting salary)" = 5000
check "counting has started" test -n "$(setting startedAt)"
seen=$(date +%s.%N)
started=$(setting startedAt)
check "the start moment is when Return was pressed" between "$pressed" "${started:-0}" "$seen"
check "lit digits show in the digit colour" test "$(green_pixels 100 40 210 80)" -gt 200

# A hard kill loses nothing: the counter comes back with the same start.
kill -9 "$app"
wait "$app" 2>/dev/null
start_app
check "the counter is back after kill -9" test "$(green_pixels 100 40 210 80)" -gt 200
check "the start moment survived" test "$(setting startedAt)" = "$started"

# A second start leaves exactly one panel.
timeout 10 "$binary" >>"$work/app.log" 2>&1
check "a second start steps aside" test $? -eq 0
check "there is exactly one panel" test "$(xdotool search --onlyvisible --name '^Paytick$' | wc -l)" -eq 1

# Stop returns to the setup screen, its start button filling a whole row.
xdotool mousemove --window "$window" 282 22 click 1
check "stop stores 0" test "$(setting startedAt)" = 0
check "the setup screen is shown" test "$(green_pixels 20 105 280 1)" -gt 250

# Dragging the background moves the panel, and it comes back there.
X=0 Y=0
eval "$(xdotool getwindowgeometry --shell "$window")"
before_x=$X before_y=$Y
xdotool mousemove --window "$window" 160 6 mousedown 1
xdotool mousemove_relative --sync 60 40
xdotool mousemove_relative --sync 40 40 mouseup 1
position() { xdotool getwindowgeometry --shell "$window" | sed -n 's/^\(X\|Y\)=//p' | paste -sd ,; }
moved="$((before_x + 100)),$((before_y + 80))"
check "dragging moves the panel" test "$(position)" = "$moved"
check "the new place is saved" grep -q '^frame=' "$conf"
sleep 0.5
kill -TERM "$app"
wait "$app"
check "SIGTERM quits cleanly" test $? -eq 0
start_app
check "the panel returns where it was left" test "$(position)" = "$moved"

kill -TERM "$app"
wait "$app"
if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/app.log"; then
    echo "FAIL sanitizer report:"; cat "$work/app.log"; failures=$((failures + 1))
fi
exit "$failures"
