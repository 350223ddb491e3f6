#!/usr/bin/env bash
# Screen readers find every control by name and role over AT-SPI, on a
# session bus of its own with the accessibility bus running.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_a11y

write_settings digitColor=Blue
start_app
check "the panel is on the accessibility bus" 'tree >/dev/null'
check "\"Start Earning\" is a button" 'has "push button" "Start Earning"'
check "the salary field is a text field" 'has text "Your salary"'
check "\"Settings\" is a button" 'has "push button" Settings'
check "\"Quit\" is a button" 'has "push button" Quit'

click 298 26
check "\"Back\" is a button" 'has "push button" Back'
for color in Green Lime Yellow Orange Red Pink Purple Blue Cyan White; do
    check "the $color swatch is named" 'has "check box" "$color"'
done
check "the stored colour is the checked one" \
    'test "$(grep -cP "^check box\t(Green|Lime|Yellow|Orange|Red|Pink|Purple|Blue|Cyan|White)\tchecked" <<<"$(tree)")" = 1 &&
     has "check box" Blue checked'
check "the goal switch is named" 'has "check box" Goal'
quit_app

write_settings salary=5000 "startedAt=$(($(date +%s) - 100))" currency=USD currencyStyle=Abbreviation
start_app
check "\"Stop\" is a button" 'has "push button" Stop'
check "the display reads its label, a space and the amount" 'has label "USD [0-9,]+\.[0-9]{4}"'
quit_app

write_settings salary=5000 "startedAt=$(($(date +%s) - 100))" amountHidden=true
start_app
check "a hidden amount reads as hidden" 'has label "Amount hidden"'
finish
