#!/usr/bin/env bash
# The mouse wheel over a closed control changes nothing; typing on the
# currency pop-up finds a currency by its name and chooses nothing by itself.
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_app

click 298 26
await 'test "$(size)" != 320x132'
xdotool mousemove --window "$(app_window)" 200 52 # over the closed currency pop-up
xdotool click 5 click 5 click 4 click 5
xdotool mousemove --window "$(app_window)" 200 86 # over the Show row
xdotool click 5 click 5
xdotool mousemove --window "$(app_window)" 90 139 # over the swatches
xdotool click 5 click 4
click 90 139 # the third swatch: a write to wait for
check "the swatch click is stored" 'test "$(setting digitColor)" = Yellow'
check "the wheel left the currency alone" 'test -z "$(setting currency)"'
check "the wheel left the currency label alone" 'test -z "$(setting currencyStyle)"'

# An open list still scrolls; choosing from it still works.
click 200 52
xdotool key Down Return
check "the currency chosen from the open list is stored" 'test -n "$(setting currency)"'
chosen=$(setting currency)

# The closed pop-up has the keys after the pick: typing opens it at the match.
xdotool type --delay 60 yen
sleep 0.5
check "typing stores nothing" 'test "$(setting currency)" = "$chosen"'
xdotool key Return
check "Return picks the currency named by what was typed" 'test "$(setting currency)" = JPY'
xdotool type --delay 60 swiss
xdotool key Escape
sleep 0.5
check "Escape leaves the currency as it was" 'test "$(setting currency)" = JPY'
xdotool type --delay 60 'swiss f'
xdotool key Return
check "a name's words, typed with a space, find it" 'test "$(setting currency)" = CHF'
finish
