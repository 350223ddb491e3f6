#!/usr/bin/env bash
# The panel in every hand: a short click is a click, a drag is a drag, and
# every control is reached by Tab in reading order and works from the keys.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_a11y

# Presses Tab COUNT times and lists, with |, what each press focused.
tabs() { # tabs COUNT [KEY]
    local names=() previous
    previous=$(focused)
    for _ in $(seq "$1"); do
        xdotool key "${2:-Tab}"
        await 'test "$(focused)" != "$previous"'
        previous=$(focused)
        names+=("$previous")
    done
    (IFS='|' && echo "${names[*]}")
}

write_settings salary=5000 "startedAt=$(date +%s)"
start_app
focus_panel

# A tap on the header, the display and the goal row's place: nothing moves,
# then or when the pointer moves on, and the keys stay with the panel.
place=$(position)
for spot in "150 22" "60 70" "200 110" "150 22" "150 22"; do
    # shellcheck disable=SC2086
    xdotool mousemove --window "$(app_window)" $spot click 1
done
xdotool mousemove_relative --sync 80 60
sleep 0.3
xdotool mousemove_relative --sync 40 30
check "short clicks leave the panel where it was" 'test "$(position)" = "$place"'
check "and store no place" '! grep -q "^frame=" "$conf"'

# The counter: Quit, Settings, Stop, and round again.
order=$(tabs 4)
check "Tab on the counter reaches Quit, the gear and Stop in turn" \
    'test "$order" = "Quit|Settings|Stop|Quit"' || echo "     $order"
order=$(tabs 2 shift+Tab)
check "Shift+Tab goes back" 'test "$order" = "Stop|Settings"' || echo "     $order"
xdotool key Return
check "Return on the focused gear opens the settings" 'test "$(size)" != 320x132'

# The settings screen reads from the top: Back, the currency, its label, the
# colours, the goal and its rows, the working hours and theirs, what the counter counts.
# A segmented control is one stop, at its chosen segment; arrows move in it.
expected="Back|USD – US Dollar|Symbol \$|Green|Lime|Yellow|Orange|Red|Pink|Purple|Blue|Cyan|White|Goal|Working hours|Since start|Back"
order=$(tabs 17)
check "Tab on the settings screen goes in reading order" 'test "$order" = "$expected"' ||
    echo "     $order"
tabs 4 >/dev/null # to Lime
check "Lime has the keys" 'test "$(focused)" = Lime'
xdotool key Return
check "Return on a swatch chooses its colour" 'test "$(setting digitColor)" = Lime'
tabs 9 >/dev/null # to the goal switch
xdotool key space
check "Space on the goal switch turns the goal on" 'test "$(setting goalEnabled)" = true'
xdotool key Tab
await 'test "$(focused)" = "How much to make"'
xdotool type --delay 40 20
xdotool key Tab
await 'test "$(focused)" = "What it'"'"'s for"'
xdotool key Tab
check "the goal's rows follow it" 'test "$(focused)" = None'
xdotool key Escape
check "Escape closes the settings" 'test "$(size)" = 320x172'

# Stop from the keyboard, then the setup screen in reading order.
tabs 3 >/dev/null
xdotool key Return
check "Return on the focused Stop stops" 'test "$(setting startedAt)" = 0'
check "the salary field has the keys after Stop" 'test "$(focused)" = "Your salary"'
order=$(tabs 5)
check "Tab on the setup screen goes in reading order" \
    'test "$order" = "Monthly|Start Earning|Quit|Settings|Your salary"' || echo "     $order"

# A drag in steps still moves the panel (by all but the first step, which
# tells a drag from a click), and stores its new place.
frame
from_x=$X from_y=$Y
xdotool mousemove --window "$(app_window)" 150 8 mousedown 1
for _ in 1 2 3 4; do xdotool mousemove_relative --sync 10 5; done
xdotool mouseup 1
check "a drag moves the panel" \
    'frame && between $((from_x + 30)) "$X" $((from_x + 40)) && between $((from_y + 15)) "$Y" $((from_y + 20))'
check "and its place is stored" 'frame && grep -q "^frame=@Rect($X $Y " "$conf"'

# Quit from the keyboard.
tabs 3 >/dev/null
check "Quit has the keys" 'test "$(focused)" = Quit'
xdotool key Return
check "Return on Quit quits" '! kill -0 "$app" 2>/dev/null'
wait "$app" 2>/dev/null
app=""
finish
