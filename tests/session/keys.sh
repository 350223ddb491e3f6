#!/usr/bin/env bash
# Keys reach the screen that is shown, and only that one.
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_app

focus_panel
xdotool type --delay 40 5000
xdotool key Return
check "Return on the setup screen starts counting" 'test -n "$(setting startedAt)"'
started=$(setting startedAt)

# Typing on the counter changes nothing stored (Tab reaches only its buttons).
xdotool type --delay 40 99
xdotool key Return
click 243 22 # the gear
await 'test "$(size)" != 320x132'
click 60 139 # the second swatch: a write to wait for
check "a swatch click is stored" 'test "$(setting digitColor)" = Lime'
check "typing on the counter leaves the salary alone" 'test "$(setting salary)" = 5000'
check "Return on the counter leaves the start alone" 'test "$(setting startedAt)" = "$started"'

# With the settings screen open, typing reaches no hidden field, and Escape
# closes it though the last click was on a swatch.
xdotool type --delay 40 7
xdotool key Escape
check "Escape closes the settings after a swatch click" 'test "$(size)" = 320x132'
check "typing on the settings screen leaves the salary alone" 'test "$(setting salary)" = 5000'

# Escape closes the settings screen straight after opening it from the counter.
click 243 22
await 'test "$(size)" != 320x132'
xdotool key Escape
check "Escape closes the settings opened from the counter" 'test "$(size)" = 320x132'

# After Stop the salary field has the keys again.
click 282 22
check "Stop stores 0" 'test "$(setting startedAt)" = 0'
xdotool key BackSpace
xdotool type --delay 40 1
check "the salary field takes typing after Stop" 'test "$(setting salary)" = 5001'

# What is typed just before quitting is stored, though typing had no pause.
xdotool type --delay 40 2
xdotool key ctrl+q
check "Ctrl+Q quits" '! kill -0 "$app" 2>/dev/null'
wait "$app"
check "what was typed just before quitting is stored" 'test "$(setting salary)" = 50012'
app=""
finish
