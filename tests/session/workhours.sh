#!/usr/bin/env bash
# Counting only working hours on the real panel under a fake clock: the count
# stops at 17:00 on Friday and goes on at 09:00 on Monday.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
export TZ=UTC
start_x
start_wm
start_a11y

use_fake_clock
# The amount the display reads, with or without a pause sign after it.
amount() { grep -oP '^label\tUSD \K[0-9,.]*[0-9]' <<<"$(tree)" | head -1; }

# Friday 11 December 2026: counting since 16:00, office hours.
faked "2026-12-11 16:59:55"
write_settings salary=5000 startedAt=1797004800 workingHours=true
start_app
check "counting during working hours" '[[ "$(elapsed)" =~ ^0:59:5[5-9]$ ]]'
check "the count reaches five o'clock" 'test "$(elapsed)" = 1:00:00'
stopped=$(amount)
sleep 3
check "and stands still after it" 'test "$(elapsed)" = 1:00:00 && test -n "$stopped" && test "$(amount)" = "$stopped"'
check "the header says when counting resumes" 'has label "Resumes Mon 09:00"'
check "and so does the display" 'has label "USD $stopped, Resumes Mon 09:00"'
check "the panel keeps its size" 'test "$(size)" = 320x132'

# Monday morning, a few seconds before nine.
faked "2026-12-14 08:59:54"
check "on the day itself the sign gives only the time" 'has label "Resumes 09:00"'
check "still at 1:00:00 before nine" 'test "$(elapsed)" = 1:00:00'
check "counting again after nine on Monday" '[[ "$(elapsed)" =~ ^1:00:(0[1-9]|1[0-9])$ ]]'
check "with no sign of a pause" '! has label "Resumes.*"'
finish
