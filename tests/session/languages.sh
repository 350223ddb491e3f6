#!/usr/bin/env bash
# The panel in the desktop's language: German, with Qt's own file dialog in
# German too, and Arabic, read from the right (the gear and Back swap sides)
# with its day keys fitting the settings.
[ -n "${PAYTICK_A11Y_BUS:-}" ] || PAYTICK_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/session.sh"
start_x 1280x1200
start_wm
start_a11y

export LC_ALL=de_DE.UTF-8
write_settings goalEnabled=true goalAmount=5000 goalPicture=Image
start_app
check "German: the start button speaks German" 'has "push button" "Verdienst starten"'
check "German: the pay periods are German" 'has "check box" "Monatlich" && has "check box" "Jährlich"'
check "German: the gear is at the right" 'test "$(left_of "push button" Einstellungen)" -gt "$(left_of "push button" Beenden)"'
click_named "push button" Einstellungen
check "German: the settings speak German" 'has "push button" "Zurück" && has "check box" "Ziel"'
click_named "push button" "Bild hochladen …"
check "German: Qt's file dialog speaks German too" 'has label "Suchen in:" && has label "Dateiname:"'
xdotool key Escape
quit_app

export LC_ALL=ar_EG.UTF-8
write_settings goalEnabled=true goalAmount=5000 workingHours=true
start_app
check "Arabic: the start button speaks Arabic" 'has "push button" "ابدأ الربح"'
check "Arabic: the gear is at the left, quit at the right" \
    'test "$(left_of "push button" الإعدادات)" -lt "$(left_of "push button" إنهاء)"'
click_named "push button" الإعدادات
check "Arabic: Back is at the right" 'frame && test "$(left_of "push button" رجوع)" -gt $((X + 160))'
# The seven day keys side by side from the right, none over another, all in the panel.
days() {
    texts | awk -F'\t' '$1 == "toggle button" || ($1 == "check box" && length($2) > 0) { print }' |
        grep -P '\t(الأحد|الاثنين|الثلاثاء|الأربعاء|الخميس|الجمعة|السبت)\t' | cut -f5,7
}
check "Arabic: seven day keys" 'test "$(days | wc -l)" -eq 7'
check "Arabic: the days fit in the panel without overlapping" \
    'frame && days | sort -n | awk -v left="$X" -v right="$((X + 320))" "
        \$1 < left || \$1 + \$2 > right || \$1 < end { bad = 1 } { end = \$1 + \$2 } END { exit bad }"'
check "Arabic: the week starts at the right" \
    'test "$(days | head -1 | cut -f1)" -gt "$(days | tail -1 | cut -f1)"'
check "Arabic: stays 320 wide" 'test "$(size | cut -dx -f1)" = 320'
finish
