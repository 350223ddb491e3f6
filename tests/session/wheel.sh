#!/usr/bin/env bash
# The mouse wheel over a closed control changes nothing.
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
finish
