#!/usr/bin/env bash
# One settings file under two panels (two logins: different runtime folders):
# neither undoes the other's change, and each shows what the other stored.
# Then a quit that cannot save says what it lost.
source "$(dirname "$0")/session.sh"
start_x
start_wm

# The window of the panel started as process PID.
panel_window() { xdotool search --all --onlyvisible --pid "$1" --name '^Paytick$' 2>/dev/null | head -1; }
# Digit-coloured pixels on a panel's display: a hidden amount is one dash
# pattern, the same on every panel whatever the amount.
lit() { green_pixels 14 40 292 70 "$1"; }

write_settings salary=5000000 "startedAt=$(($(date +%s) - 100000))"
start_app
mkdir -p "$work/run2" && chmod 700 "$work/run2"
XDG_RUNTIME_DIR=$work/run2 "$binary" >>"$work/app.log" 2>&1 &
other=$!
helpers+=("$other")
check "a second login's panel starts" 'test -n "$(panel_window "$other")"'
a=$(panel_window "$app") b=$(panel_window "$other")
xdotool windowmove "$b" 40 40
check "the moved panel stores its place" 'setting frame | grep -q "^@Rect(40 40 "'
await 'test "$(lit "$a")" -gt 0 && test "$(lit "$b")" -gt 0'
shown=$(lit "$b")

xdotool windowactivate --sync "$a" key ctrl+h 2>/dev/null
check "one panel hides the amount" 'test "$(setting amountHidden)" = true'
await 'test "$(lit "$a")" -lt "$shown"'
hidden=$(lit "$a")
check "the other shows it hidden too" 'test "$(lit "$b")" = "$hidden"'
xdotool windowmove "$b" 60 60
check "the other's next write keeps it hidden" \
    'setting frame | grep -q "^@Rect(60 60 " && test "$(setting amountHidden)" = true'
xdotool windowactivate --sync "$b" key ctrl+h 2>/dev/null
check "the other shows it again" 'test "$(setting amountHidden)" = false'
check "and so does the first" 'test "$(lit "$a")" != "$hidden"'
kill -TERM "$other" && wait "$other"

# A folder that cannot be made (a file in its place): nothing can be saved.
mv "$(dirname "$conf")" "$work/kept"
echo "in the way" >"$(dirname "$conf")"
xdotool windowactivate --sync "$a" key ctrl+h 2>/dev/null
check "the panel still hides the amount" 'test "$(lit "$a")" = "$hidden"'
quit_app
quit_status=$?
check "a quit that could not save exits non-zero" 'test "$quit_status" -ne 0'
check "and says in one line what it did not save, and why" \
    'test "$(grep -c "^Paytick: quit without saving" "$work/app.log")" = 1 &&
     grep -q "^Paytick: quit without saving amountHidden to $conf: cannot make its folder" "$work/app.log"'
finish
