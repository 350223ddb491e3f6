#!/usr/bin/env bash
# An hourly wage on the real panel: chosen from the keys on the setup screen,
# refused over its limit with the note, stored as "Hourly", then counted.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_a11y

amount() { grep -oP '^label\tUSD \K[0-9,.]*[0-9]' <<<"$(tree)" | head -1; }

start_app
focus_panel
check "the setup screen offers Hourly beside Monthly and Yearly" 'has "check box" Hourly'
xdotool type 1140772
xdotool key Tab
check "the period control has the keys" 'test "$(focused)" = Monthly'
xdotool key Right Right
check "the arrows reach Hourly" 'test "$(setting period)" = Hourly && has "check box" Hourly "checked.*"'
check "a wage over ten billion a year is refused with the note" \
    'has label "Enter at most 10 billion a year"'
xdotool key Return
check "and Return does not start" 'test -z "$(setting startedAt)"'
xdotool key shift+Tab
xdotool type 1140771
xdotool key Return
check "the limit itself starts counting" \
    'test "$(setting salary)" = 1140771 && test -n "$(setting startedAt)"'
check "at a 3600th of the wage a second" \
    '[[ "$(elapsed)" =~ ^0:00:0([2-9])$ ]] && between $((316 * ${BASH_REMATCH[1]})) "$(amount | tr -d ,)" $((317 * (${BASH_REMATCH[1]} + 2)))'
finish
