# A desktop session for one test script: Xvfb, a window manager, and the real
# paytick binary, with helpers to drive it as a user would and to read back
# what it shows and stores. Sourced by each script, which gets the binary's
# path as its first argument.
set -uo pipefail

binary=$(realpath "$1")
work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export LC_ALL=${LC_ALL:-C.UTF-8}
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM SESSION_MANAGER
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
conf=$XDG_CONFIG_HOME/Paytick/Paytick.conf
failures=0
app=""
window=""
# Theme::background, (15, 18, 15), as the panel paints it.
panel_color=0F120F
xvfb=""
wm=""
compositor=""
helpers=() # other processes a script starts, stopped with the session

# Every process the session starts inherits its runtime folder, so this finds
# them all (other sessions running side by side have folders of their own).
session_processes() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
        grep -qzx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" "$environ" 2>/dev/null && echo "$pid"
    done
}

# A helper's own children (the accessibility bus launcher's dbus-daemon) are
# orphaned, not stopped, when their parent is killed: they go first.
stop_tree() { # stop_tree PID
    local child
    for child in $(pgrep -P "$1"); do
        stop_tree "$child"
    done
    kill -9 "$1" 2>/dev/null
}

cleanup() {
    local status=$?
    [ "$failures" -eq 0 ] || { echo "--- app log"; cat "$work/app.log" 2>/dev/null; }
    for pid in "$app" "$compositor" "$wm" "${helpers[@]}"; do
        [ -n "$pid" ] && stop_tree "$pid"
    done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    # A test that passes or fails leaves nothing running behind it.
    local left=""
    for _ in $(seq 30); do
        left=$(session_processes)
        [ -z "$left" ] && break
        sleep 0.1
    done
    if [ -n "$left" ]; then
        echo "FAIL processes outlive the session:"
        ps -o pid=,ppid=,args= -p "$(echo $left | tr ' ' ,)"
        kill -9 $left 2>/dev/null
        status=1
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# Waits up to ten seconds (a sanitizer build is slow) for a condition, a
# shell text evaluated afresh on every try.
await() { # await CONDITION
    for _ in $(seq 100); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

check() { # check DESCRIPTION CONDITION
    if await "$2"; then
        echo "ok   $1"
        return 0
    fi
    echo "FAIL $1"
    failures=$((failures + 1))
    return 1
}

# -noreset: a server that resets when its last client goes (a kill -9)
# refuses the next one for a moment.
start_x() { # start_x [WIDTHxHEIGHT]
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -nolisten tcp -noreset \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    exec 3>&-
    await 'test -s "$work/display"'
    export DISPLAY=:$(head -1 "$work/display")
    await 'xdpyinfo >/dev/null 2>&1'
    # A colour of its own, so that the desktop showing through is seen.
    xsetroot -solid "#3060C0"
}

# openbox with two desktops, as an EWMH window manager a user would have.
start_wm() {
    mkdir -p "$XDG_CONFIG_HOME/openbox"
    cat >"$XDG_CONFIG_HOME/openbox/rc.xml" <<'XML'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <desktops><number>2</number></desktops>
  <focus><focusNew>yes</focusNew></focus>
  <margins><top>0</top><bottom>0</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
    openbox --config-file "$XDG_CONFIG_HOME/openbox/rc.xml" >"$work/wm.log" 2>&1 &
    wm=$!
    await 'xprop -root _NET_NUMBER_OF_DESKTOPS | grep -q "= 2"' ||
        { echo "FAIL openbox did not start"; cat "$work/wm.log"; exit 1; }
}

start_compositor() {
    xcompmgr >"$work/compositor.log" 2>&1 &
    compositor=$!
    await 'xdotool search --name "^xcompmgr$" >/dev/null 2>&1'
}

stop_compositor() {
    kill "$compositor" 2>/dev/null
    wait "$compositor" 2>/dev/null
    compositor=""
}

# The panel's X window, looked up afresh: Qt may re-create it.
app_window() { xdotool search --onlyvisible --name '^Paytick$' 2>/dev/null | head -1; }

start_app() {
    "$binary" >>"$work/app.log" 2>&1 &
    app=$!
    await 'test -n "$(app_window)"'
    window=$(app_window)
    # The first frame is painted once the window is mapped and exposed.
    await 'test "$(pixel 160 2)" = $panel_color'
}

quit_app() {
    kill -TERM "$app" 2>/dev/null
    wait "$app"
    local status=$?
    app=""
    return $status
}

setting() { sed -n "s/^$1=//p" "$conf" 2>/dev/null; }

# From here on the panel alone runs on a fake clock that runs on from the
# moment `faked` last set.
use_fake_clock() {
    clock=$work/clock
    local real=$binary
    binary=$work/paytick-on-a-fake-clock
    cat >"$binary" <<SH
#!/bin/sh
export LD_PRELOAD=$(find /usr/lib -name libfaketime.so.1 | head -1)
export FAKETIME_TIMESTAMP_FILE=$clock FAKETIME_NO_CACHE=1
# A sanitizer build wants its runtime first; the fake clock only replaces time calls.
export ASAN_OPTIONS="\${ASAN_OPTIONS:+\$ASAN_OPTIONS:}verify_asan_link_order=0"
exec "$real" "\$@"
SH
    chmod +x "$binary"
}
# An offset from the real clock, so that the fake one runs on as time passes.
faked() { echo "$(($(date -d "$1" +%s) - $(date +%s)))s" | sed 's/^[0-9]/+&/' >"$clock"; }

# Writes a settings file before the app starts, as an earlier run would have.
write_settings() { # write_settings LINE...
    mkdir -p "$(dirname "$conf")"
    printf '[General]\n' >"$conf"
    printf '%s\n' "$@" >>"$conf"
}

# The panel's frame on the screen: sets X, Y, WIDTH and HEIGHT; of another
# panel's window when given one.
frame() { # frame [WINDOW]
    X=0 Y=0 WIDTH=0 HEIGHT=0
    window=${1:-$(app_window)}
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}
size() { frame && echo "${WIDTH}x$HEIGHT"; }
position() { frame && echo "$X,$Y"; }

# The colour (RRGGBB) shown at a point of the screen, as the user sees it.
screen_pixel() { # screen_pixel X Y
    import -window root -depth 8 -crop "1x1+$1+$2" +repage txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1
}
pixel() { # pixel X Y, relative to the panel
    frame
    screen_pixel $((X + $1)) $((Y + $2))
}
# The desktop as shown where no window is (a compositor paints its own).
desktop_color() { screen_pixel 0 0; }

# Counts pixels of the digit colour (Green: 64, 255, 115) in a rectangle of the panel.
green_pixels() { # x y width height [WINDOW], relative to the panel
    frame "${5:-}"
    import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage "$work/shot.png"
    convert "$work/shot.png" -format %c histogram:info:- | grep -i '#40FF73' |
        awk '{ sum += $1 } END { print sum + 0 }'
}

click() { # click X Y, relative to the panel
    xdotool mousemove --window "$(app_window)" "$1" "$2" click 1
}

focus_panel() {
    xdotool windowactivate --sync "$(app_window)" 2>/dev/null || xdotool windowfocus --sync "$(app_window)"
}

has_state() { xprop -id "$(app_window)" _NET_WM_STATE 2>/dev/null | grep -q "_NET_WM_STATE_$1"; }
on_all_desktops() { xprop -id "$(app_window)" _NET_WM_DESKTOP 2>/dev/null | grep -qE '= (4294967295|-1)$'; }

# The accessibility bus, for reading what a screen reader reads. The script
# must run on a session bus of its own (dbus-run-session).
start_a11y() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/a11y-bus.log" 2>&1 &
    helpers+=($!)
    # Qt serves AT-SPI only when it sees assistive technology, or is told to.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
tree() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_tree.py" 2>/dev/null; }
# Each shown object's name, description, text and place (see a11y_tree.py).
texts() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_tree.py" --texts 2>/dev/null; }
# The shown object with this role and name: its left edge on the screen, or a click on it.
left_of() { # left_of ROLE NAME
    awk -F'\t' -v role="$1" -v name="$2" '$1 == role && $2 == name { print $5; exit }' <<<"$(texts)"
}
click_named() { # click_named ROLE NAME
    local place
    place=$(awk -F'\t' -v role="$1" -v name="$2" \
        '$1 == role && $2 == name { print $5 + int($7 / 2), $6 + int($8 / 2); exit }' <<<"$(texts)")
    [ -n "$place" ] && xdotool mousemove $place click 1
}
has() { # has ROLE NAME [STATES]: an object shown with exactly this role and name
    grep -qP "^$1\t$2\t${3:-.*}\$" <<<"$(tree)"
}
# The name of the control that has the keyboard.
focused() { grep -vP '^(frame|window)\t' <<<"$(tree)" | grep -oP '^[^\t]*\t\K[^\t]*(?=\t.*focused)' | head -1; }
# The name of the shown object with this role whose name matches a pattern.
shown_name() { # shown_name ROLE PATTERN
    grep -oP "^$1\t\K$2(?=\t)" <<<"$(tree)" | head -1
}
# The elapsed time the header shows.
elapsed() { shown_name label "[0-9]+:[0-9]{2}:[0-9]{2}"; }

between() { # between LOW VALUE HIGH
    awk -v low="$1" -v value="$2" -v high="$3" 'BEGIN { exit !(low <= value && value <= high) }'
}

finish() {
    [ -n "$app" ] && quit_app
    if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/app.log" 2>/dev/null; then
        echo "FAIL sanitizer report:"
        failures=$((failures + 1))
    fi
    exit "$failures"
}
