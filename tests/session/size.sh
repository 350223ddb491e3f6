#!/usr/bin/env bash
# The panel is 320 wide on every screen, as high as what it shows, and stays
# on the screen when it grows.
source "$(dirname "$0")/session.sh"
start_x 1280x800
start_wm

# Wider text never widens the panel, on any screen, in any locale.
for locale in C.UTF-8 de_DE.UTF-8 hi_IN.UTF-8; do
    write_settings "salary=5000" "startedAt=$(date +%s)"
    LC_ALL=$locale start_app
    click 243 22
    await 'test "$(size)" != 320x132'
    check "$locale: the settings screen is 320 wide" 'frame && test "$WIDTH" = 320'
    xdotool key Escape
    check "$locale: the counter is 320 x 132 after Back" 'test "$(size)" = 320x132'
    quit_app
done

# With a goal: 172 at start-up while counting, and after Stop.
write_settings salary=5000 "startedAt=$(date +%s)" goalEnabled=true goalAmount=20 goalPicture=None
start_app
check "counting with a goal at start-up is 320 x 172" 'test "$(size)" = 320x172'
click 282 22
check "Stop stores 0" 'test "$(setting startedAt)" = 0'
check "the setup screen with a goal is 320 x 172 after Stop" 'test "$(size)" = 320x172'
quit_app

# A first start with a goal: centred as a 132-high panel, grown downwards.
write_settings salary=5000 goalEnabled=true goalAmount=20 goalPicture=None
start_app
check "a new panel with a goal is 320 x 172" 'test "$(size)" = 320x172'
check "its top is where a 132-high panel is centred" 'test "$(position)" = 480,334'
quit_app

# Without a goal, Stop gives the setup screen's 132.
write_settings salary=5000 "startedAt=$(date +%s)"
start_app
click 282 22
check "Stop stores 0 again" 'test "$(setting startedAt)" = 0'
check "the setup screen is 320 x 132 after Stop" 'test "$(size)" = 320x132'
quit_app

# Rows that go take their height with them at once.
write_settings goalEnabled=true goalAmount=20 goalPicture=Emoji
start_app
click 298 26
await 'frame && test "$HEIGHT" -gt 250' # the goal's rows are measured
plain=$(size)
click 200 217 # the amount field
xdotool key ctrl+a
xdotool type --delay 40 abc
check "an amount that does not parse is stored" 'test "$(setting goalAmount)" = abc'
check "a note comes under it" 'test "$(size)" != "$plain"'
xdotool key ctrl+a
xdotool type --delay 40 20
check "the amount is stored" 'test "$(setting goalAmount)" = 20'
check "the note's height goes with it" 'test "$(size)" = "$plain"'
click 118 287 # Picture: None
check "None is stored" 'test "$(setting goalPicture)" = None'
check "the chooser's height goes with it" 'test "$(size)" != "$plain"'
after_none=$(size)
xdotool key Escape
await 'test "$(size)" = 320x172'
click 298 26
check "the height after the rows went is the screen's own" 'test "$(size)" = "$after_none"'
quit_app

# Near the bottom of the screen, the settings screen moves the panel up.
write_settings "[MainPanel]" "frame=@Rect(600 600 320 132)"
start_app
check "the panel starts low" 'test "$(position)" = 600,600'
click 298 26
await 'test "$(size)" != 320x132'
check "the grown panel ends on the screen" 'frame && test $((Y + HEIGHT)) -le 800'
check "the grown panel is still 320 wide" 'test "$WIDTH" = 320'
xdotool key Escape
check "closed, it goes back to the user's place" 'test "$(position)" = 600,600'
sleep 0.5 # past the time a drag's place takes to be written
check "which is the place stored" 'grep -q "^frame=@Rect(600 600 " "$conf"'
finish
