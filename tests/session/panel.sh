#!/usr/bin/env bash
# A user's first day, on an X server without a window manager: type a
# salary, count, survive a hard kill, a second start, Stop, a drag, SIGTERM.
source "$(dirname "$0")/session.sh"
start_x

# First start: a 320 x 132 panel above others on every desktop.
start_app
check "the panel appears" 'test -n "$(app_window)"'
check "the panel is 320 x 132" 'test "$(size)" = 320x132'
check "the panel stays above other windows" 'has_state ABOVE'
check "the panel is on every desktop" 'has_state STICKY'

# Typing a salary and Return starts counting.
focus_panel
xdotool type --delay 40 5000
pressed=$(date +%s.%N)
xdotool key Return
check "the salary is stored as typed" 'test "$(setting salary)" = 5000'
check "counting has started" 'test -n "$(setting startedAt)"'
seen=$(date +%s.%N)
started=$(setting startedAt)
check "the start moment is when Return was pressed" 'between "$pressed" "${started:-0}" "$seen"'
check "lit digits show in the digit colour" 'test "$(green_pixels 100 40 210 80)" -gt 200'

# A hard kill loses nothing: the counter comes back with the same start.
kill -9 "$app"
wait "$app" 2>/dev/null
start_app
check "the counter is back after kill -9" 'test "$(green_pixels 100 40 210 80)" -gt 200'
check "the start moment survived" 'test "$(setting startedAt)" = "$started"'

# A second start leaves exactly one panel.
timeout 10 "$binary" >>"$work/app.log" 2>&1
second=$?
check "a second start steps aside" 'test "$second" -eq 0'
check "there is exactly one panel" 'test "$(xdotool search --onlyvisible --name "^Paytick$" | wc -l)" -eq 1'
check "the panel is still on every desktop" 'has_state STICKY'

# Stop returns to the setup screen, its start button filling a whole row.
click 282 22
check "stop stores 0" 'test "$(setting startedAt)" = 0'
check "the setup screen is shown" 'test "$(green_pixels 20 105 280 1)" -gt 250'

# Dragging the background moves the panel, and it comes back there.
frame
before_x=$X before_y=$Y
xdotool mousemove --window "$(app_window)" 160 6 mousedown 1
xdotool mousemove_relative --sync 60 40
xdotool mousemove_relative --sync 40 40 mouseup 1
moved="$((before_x + 100)),$((before_y + 80))"
check "dragging moves the panel" 'test "$(position)" = "$moved"'
check "the new place is saved" 'grep -q "^frame=@Rect($((before_x + 100)) $((before_y + 80)) " "$conf"'
quit_app
quit_status=$?
check "SIGTERM quits cleanly" 'test "$quit_status" -eq 0'
start_app
check "the panel returns where it was left" 'test "$(position)" = "$moved"'

# A runtime folder someone else could have made (open to others) is not used:
# the panel still starts, and a second start still finds it.
quit_app
shared=$work/shared-run
mkdir -m 755 "$shared"
chown nobody "$shared" 2>/dev/null # as root: truly another user's
XDG_RUNTIME_DIR=$shared start_app
check "the panel starts beside a runtime folder open to others" 'test -n "$(app_window)"'
XDG_RUNTIME_DIR=$shared timeout 10 "$binary" >>"$work/app.log" 2>&1
check "a second start still steps aside" 'test "$(xdotool search --onlyvisible --name "^Paytick$" | wc -l)" -eq 1'
check "nothing is left in the open folder" 'test -z "$(ls -A "$shared")"'
check "nothing is left in the current folder" '! ls paytick.lock paytick.socket 2>/dev/null'

# A place saved partly off the screen is brought fully onto it.
quit_app
write_settings "[MainPanel]" "frame=@Rect(1100 700 320 132)"
start_app
check "a panel saved partly off the screen is brought onto it" 'test "$(position)" = 960,668'
finish
