#!/usr/bin/env bash
# "Hide Amount" from the menu and by Ctrl+H: dashes in the digit cells, kept
# across a restart, while counting goes on underneath.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_a11y

# The lit digit colour on the display: dashes light one segment of seven.
lit() { green_pixels 14 40 292 70; }

write_settings salary=5000000 "startedAt=$(($(date +%s) - 100000))"
start_app
check "the amount shows" 'has label "USD [0-9,]+\.[0-9]{4}"'
await 'test "$(lit)" -gt 0'
shown=$(lit)

xdotool mousemove --window "$(app_window)" 100 6 click 3
await 'xdotool search --onlyvisible --class "^Paytick$" 2>/dev/null | grep -vqx "$(app_window)"'
xdotool key Down Return
check "Hide Amount in the menu hides it" 'has label "Amount hidden"'
check "it is stored" 'test "$(setting amountHidden)" = true'
hidden=$(lit)
check "the digits are dashes" 'test "$hidden" -gt 0 && test "$hidden" -lt "$shown"'
check "one pattern, whatever the amount" 'sleep 1 && test "$(lit)" = "$hidden"'
before=$(elapsed)
check "counting goes on underneath" 'test "$(elapsed)" != "$before"'

quit_app
start_app
check "still hidden after a restart" 'has label "Amount hidden"'

focus_panel
xdotool key ctrl+h
check "Ctrl+H shows it again" 'has label "USD [0-9,]+\.[0-9]{4}"'
check "that is stored too" 'test "$(setting amountHidden)" = false'
xdotool key ctrl+h
check "Ctrl+H hides it" 'has label "Amount hidden"'
finish
