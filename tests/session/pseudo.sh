#!/usr/bin/env bash
# The pseudo-language made from the code (every text bracketed, accented and a
# third longer): on each screen and in the settings, whatever a screen reader
# reads is translated, and everything stays within the 320 points of the
# panel. (Qt does not show a pop-up menu over AT-SPI: the menu's texts are
# checked in the translations' unit tests, with every text's fit.)
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
export LC_ALL=en_US.UTF-8 LANGUAGE=en_XA
source "$(dirname "$0")/session.sh"
start_x 1280x1400
start_wm
start_a11y

# What is not Paytick's own text: the program's name, the formatting
# locale's day and currency names, amounts, times, emoji and typed text.
foreign='^(Paytick|(Sun|Mon|Tues|Wednes|Thurs|Fri|Satur)day|Sun|Mon|Tue|Wed|Thu|Fri|Sat|[A-Z][A-Z][A-Z]( – .*)?|.*[0-9].*|[^A-Za-z]*|Trip|abc)$'

# Names, descriptions and texts in English: none may be left.
untranslated() {
    local shown
    shown=$(texts)
    [ -n "$shown" ] || { echo "nothing read over AT-SPI"; return; }
    # The application object's description is the program's path, not a text.
    awk -F'\t' -v foreign="$foreign" '$1 == "application" { next } {
        for (i = 2; i <= 4; ++i)
            if ($i != "" && $i !~ /^\[.*\]$/ && $i !~ foreign) print $1 ": " $i
    }' <<<"$shown"
}
# Objects of the panel that reach past it, or whose text is wider than they are.
outside() {
    local shown
    shown=$(texts)
    [ -n "$shown" ] || { echo "nothing read over AT-SPI"; return; }
    frame
    awk -F'\t' -v left="$X" -v right="$((X + 320))" '
        $1 == "frame" || $1 == "popup menu" || $1 == "menu item" || $1 == "application" { next }
        $7 > 0 && ($5 < left || $5 + $7 > right) { print $1 " " $2 " at " $5 "+" $7 }
        $9 != "-" && $9 > $7 { print $1 " " $2 ": text " $9 " wide in " $7 }' <<<"$shown"
}
screen_is_translated() { # screen_is_translated NAME
    check "$1: nothing is left in English" 'untranslated >"$work/found" && test ! -s "$work/found"' ||
        sort -u "$work/found"
    check "$1: stays 320 wide with everything inside" \
        'test "$(size | cut -dx -f1)" = 320 && outside >"$work/found" && test ! -s "$work/found"' ||
        sort -u "$work/found"
}

shows() { grep -qP "$1" <<<"$(texts)"; } # shows PATTERN: some object's line matches

start_app
check "the panel is on the accessibility bus" 'shows .'
screen_is_translated "setup"
quit_app

write_settings goalEnabled=true goalAmount=abc goalText=Trip goalPicture=Emoji workingHours=true \
    breakEnabled=true breakFrom=18:00 breakTo=19:00 workFrom=09:00 workTo=09:00
start_app
screen_is_translated "setup with a goal"
click 298 26
check "the settings open" 'shows "^check box\t\[.*\]\t"'
screen_is_translated "settings"
quit_app

write_settings goalEnabled=true goalAmount=5000 goalPicture=Image salary=5000 \
    "startedAt=$(($(date +%s) - 100))"
start_app
screen_is_translated "counter with a goal"
click_named "push button" "$(grep -oP '^push button\t\K\[Šéţţîñĝš[^\t]*' <<<"$(texts)" | head -1)"
check "the settings open" 'shows "^check box\t\[.*\]\t"'
screen_is_translated "settings with an image goal"
finish
