#!/usr/bin/env bash
# Each day's own hours on the real panel: "Same hours every day" off shows a
# row for each working day, reached by Tab, and typing in one stores that day.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_a11y

# Presses Tab until the named control has the keys, forty times at most.
tab_to() { # tab_to NAME
    for _ in $(seq 40); do
        test "$(focused)" = "$1" && return 0
        xdotool key Tab
        sleep 0.1
    done
    test "$(focused)" = "$1"
}

write_settings workingHours=true
start_app
focus_panel
tab_to Settings && xdotool key Return
check "the settings show the common hours" 'has "spin button" From'
check "and the switch for them, on" 'has "check box" "Same hours every day" "checked.*"'
check "but no day's own rows" '! has "spin button" "Friday from"'
tab_to "Same hours every day"
xdotool key space
check "Space turns it off and stores that" 'test "$(setting sameHours)" = false'
check "each working day gets its own rows" 'has "spin button" "Monday from" && has "spin button" "Friday to"'
check "a day off none" '! has "spin button" "Saturday from"'
check "and the common hours give way" '! has "spin button" From'
tab_to "Friday to"
xdotool type 1400
check "Friday's own hours are stored" 'test "$(setting hoursFri)" = 09:00-14:00'
check "the other days keep none" 'test -z "$(setting hoursThu)"'
finish
