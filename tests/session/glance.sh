#!/usr/bin/env bash
# Today at a glance on the real panel under a fake clock: "Today" begins again
# at midnight while "Since start" runs on, and the time left in a shift runs
# down to zero and gives way to the sign saying when work resumes.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
export TZ=UTC
start_x
start_wm
start_a11y
use_fake_clock
left() { shown_name label "[0-9]+:[0-9]{2}:[0-9]{2} left"; }

# Friday 11 December 2026, counting 36 an hour since 22:00.
faked "2026-12-11 23:59:56"
write_settings salary=36 period=Hourly startedAt=1797026400
start_app
check "Since start counts on past midnight" '[[ "$(elapsed)" =~ ^2:00:[0-9]{2}$ ]]'
check "and names no period" '! has label Today'
# The menu's third entry holds the choice; Today is its second.
xdotool mousemove --window "$(app_window)" 100 6 click 3
await 'xdotool search --onlyvisible --class "^Paytick$" 2>/dev/null | grep -vqx "$(app_window)"'
xdotool key Down Down Down Right
sleep 0.3
xdotool key Down Return
check "Today in the menu is stored" 'test "$(setting countFrom)" = Today'
check "and counts from midnight" '[[ "$(elapsed)" =~ ^0:00:[0-9]{2}$ ]] && has label Today'
quit_app

faked "2026-12-11 23:59:56"
start_app
check "Today counts from the start on the start's own day" '[[ "$(elapsed)" =~ ^1:59:5[6-9]$ ]]'
check "it begins again at midnight" '[[ "$(elapsed)" =~ ^0:00:0[0-9]$ ]]'
check "with the amount" 'has label "USD 0\.0[0-9]{3}"'
quit_app

# Office hours, counting since four on Friday afternoon.
faked "2026-12-11 16:59:55"
write_settings salary=5000 startedAt=1797004800 workingHours=true
start_app
check "the time left in the shift is shown" '[[ "$(left)" =~ ^0:00:0[0-4]\ left$ ]]'
check "it reaches zero at the shift's end" 'test "$(left)" = "0:00:00 left"'
check "and gives way to the sign saying when work resumes" \
    'has label "Resumes Mon 09:00" && test -z "$(left)"'
finish
