#!/usr/bin/env bash
# On a small screen at a large scale the settings screen is taller than the
# screen: the panel stays on it, and its rows scroll to the keyboard's place.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x 1366x768
start_wm
start_a11y
export QT_SCALE_FACTOR=1.5

write_settings goalEnabled=true goalAmount=abc goalPicture=Emoji workingHours=true breakEnabled=true
start_app
focus_panel
await 'test "$(focused)" = "Your salary"'
xdotool key shift+Tab
await 'test "$(focused)" = Settings'
xdotool key Return
await 'frame && test "$HEIGHT" -gt 400'
sleep 0.5
check "the panel ends on the screen" 'frame && test "$Y" -ge 0 && test $((Y + HEIGHT)) -le 768'
check "and is no taller than it" 'test "$HEIGHT" -le 768'

# Tab walks down to the Break switch, off screen at first, and Space works it.
for _ in $(seq 40); do
    [ "$(focused)" = Break ] && break
    xdotool key Tab
done
check "Tab reaches the Break switch" 'test "$(focused)" = Break'
xdotool key space
check "Space turns the break off" 'test "$(setting breakEnabled)" = false'
xdotool key space
check "and on again" 'test "$(setting breakEnabled)" = true'
[ -n "${PAYTICK_SHOT:-}" ] && import -window root "$PAYTICK_SHOT"
finish
