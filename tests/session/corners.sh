#!/usr/bin/env bash
# The panel's corners are rounded with or without a compositing manager: the
# desktop shows through them.
source "$(dirname "$0")/session.sh"
start_x
start_wm

corner_is_desktop() {
    local desktop
    desktop=$(desktop_color)
    test "$(pixel 1 1)" = "$desktop" && test "$(pixel 318 130)" = "$desktop"
}
inside_is_panel() { test "$(pixel 160 1)" != "$(desktop_color)" && test "$(pixel 160 1)" != 000000; }

start_app
check "without a compositor the desktop shows at the corners" 'corner_is_desktop'
check "without a compositor the panel's edge is drawn" 'inside_is_panel'
start_compositor
check "a compositor starting keeps the corners clear" 'corner_is_desktop'
check "with a compositor the panel's edge is drawn" 'inside_is_panel'
quit_app

start_app
check "started under a compositor, the corners are clear" 'corner_is_desktop'
stop_compositor
check "the compositor stopping leaves the corners clear" 'corner_is_desktop'
check "after the compositor stopped the panel's edge is drawn" 'inside_is_panel'
finish
