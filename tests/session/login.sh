#!/usr/bin/env bash
# "Start at Login" in the panel's menu writes and removes the XDG autostart
# entry, its check mark follows the file (an entry turned off is off), the
# user's own entry is never deleted, and a failure is told.
source "$(dirname "$0")/session.sh"
start_x
start_wm
start_app
entry=$XDG_CONFIG_HOME/autostart/io.paytick.Paytick.desktop

# Right-click on the background, then the second item (after Hide Amount).
toggle_start_at_login() {
    xdotool mousemove --window "$(app_window)" 100 6 click 3
    await 'xdotool search --onlyvisible --class "^Paytick$" 2>/dev/null | grep -vqx "$(app_window)"'
    xdotool key Down Down Return
}

toggle_start_at_login
check "turned on, the entry is written" 'test -f "$entry"'
check "the entry is a valid desktop entry" 'desktop-file-validate "$entry"'
check "the entry starts this binary" 'grep -qx "Exec=$binary" "$entry"'

# Logging in again: the session starts what the entry says.
quit_app
eval "$(sed -n 's/^Exec=//p' "$entry")" >>"$work/app.log" 2>&1 &
app=$!
check "at the next login the entry brings the panel back" 'test -n "$(app_window)"'
await 'test "$(pixel 160 2)" = $panel_color'

toggle_start_at_login
check "turned off, the entry is removed" '! test -e "$entry"'

# Removed behind Paytick's back while on: the menu shows it off, so the
# next choice turns it on again.
toggle_start_at_login
await 'test -f "$entry"'
rm "$entry"
toggle_start_at_login
check "the check mark follows the file" 'test -f "$entry"'
rm "$entry"

# The user's own entry, turned off in the desktop's settings: the menu shows
# it off, so the next choice turns it on where it is; off again, it stays.
printf '[Desktop Entry]\nType=Application\nName=Pay\nExec=%s --mine\nX-GNOME-Autostart-enabled=false\n' \
    "$binary" >"$entry"
toggle_start_at_login
check "the user's turned-off entry shows off and is turned on in place" \
    'grep -qx "X-GNOME-Autostart-enabled=true" "$entry" && grep -qx "Exec=$binary --mine" "$entry"'
toggle_start_at_login
check "turned off, the user's entry is kept, turned off" \
    'grep -qx "Hidden=true" "$entry" && grep -qx "Exec=$binary --mine" "$entry"'
rm "$entry"

# A folder that cannot be made: a message, and nothing changes.
rmdir "$XDG_CONFIG_HOME/autostart"
echo "not a folder" >"$XDG_CONFIG_HOME/autostart"
toggle_start_at_login
message() { xdotool search --onlyvisible --name '^Start at Login$' 2>/dev/null | head -1; }
check "a failure to write is told" 'test -n "$(message)"'
xdotool windowactivate --sync "$(message)" key Return 2>/dev/null
check "the message closes" 'test -z "$(message)"'
check "nothing changed" 'test "$(cat "$XDG_CONFIG_HOME/autostart")" = "not a folder"'
check "the panel still runs" 'kill -0 "$app"'
finish
