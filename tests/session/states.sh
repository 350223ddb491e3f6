#!/usr/bin/env bash
# The panel floats above other windows on every desktop, out of the task bar
# and pager, through everything it does, the file dialog included.
source "$(dirname "$0")/session.sh"
start_x
start_wm
# A picture in the home folder, written the way image tools do: with a
# colour description and text chunks. No ~/Pictures folder.
convert -size 300x200 gradient:orange-purple -set comment "from a camera" "$HOME/pic.png"

states_hold() { # states_hold WHEN
    check "$1: above others" 'has_state ABOVE'
    check "$1: out of the task bar" 'has_state SKIP_TASKBAR'
    check "$1: out of the pager" 'has_state SKIP_PAGER'
    # openbox says "every desktop" with _NET_WM_DESKTOP alone, not STICKY
    check "$1: on every desktop" 'on_all_desktops'
}

write_settings goalEnabled=true goalAmount=20 goalPicture=Image
start_app
states_hold "at start"

# Settings, Upload: the dialog opens in the home folder with an empty name.
click 298 26
await 'frame && test "$HEIGHT" -gt 250' # the goal's rows are measured
click 60 321 # Upload Image...
dialog() { xdotool search --onlyvisible --name '^Choose a Picture$' 2>/dev/null | head -1; }
check "the file dialog opens" 'test -n "$(dialog)"'
dialog=$(dialog)
check "while the dialog is up the panel is not above it" '! has_state ABOVE'
xdotool windowactivate --sync "$dialog" 2>/dev/null
xdotool key End
xdotool type --delay 30 pic.png
xdotool key Return
check "a picture chosen by its name in the home folder is stored" 'test -n "$(setting goalImage)"'
check "the stored thumbnail is a plain PNG" \
    'setting goalImage | grep -q IHDR && ! setting goalImage | grep -qE "iCCP|sRGB|gAMA|cHRM|tEXt|zTXt|iTXt"'
states_hold "after the file dialog"

# Another desktop: the panel is there too.
xdotool set_desktop 1
check "the desktop switched" 'xprop -root _NET_CURRENT_DESKTOP | grep -q "= 1"'
check "the panel shows on the other desktop" 'test -n "$(app_window)"'

# A second start brings the panel forward without losing its states.
xdotool set_desktop 0
timeout 10 "$binary" >>"$work/app.log" 2>&1
states_hold "after a second start"
finish
