#!/usr/bin/env bash
# Under a real window manager (openbox): the main window's frame stands at
# 347,127; the About dialog's outer frame is centred on the screen; the
# dialog belongs to the main window, so minimising it minimises both, and
# after both are restored and the dialog is closed the main window answers
# again; a request to show the window full screen is refused.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_window_manager openbox
start_program

expect_soon "347,127" "main window frame" frame_origin "$MAIN_WINDOW"

keys alt+h a
about=$(wait_window '^ﾊﾞｰｼﾞｮﾝ情報$')
read -r left right top bottom <<<"$(frame_extents "$about")"
expect_soon "$(((1280 - (264 + left + right)) / 2)),$(((1024 - (165 + top + bottom)) / 2))" \
    "About dialog's outer frame centred" frame_origin "$about"

iconic() { xprop -id "$1" WM_STATE | grep -q 'window state: Iconic'; }
shown() { xprop -id "$1" WM_STATE | grep -q 'window state: Normal'; }
xdotool windowminimize "$about"
wait_until iconic "$about" || fail "the About dialog was not minimised"
wait_until iconic "$MAIN_WINDOW" || fail "the main window stayed up without its dialog"
wmctrl -i -a "$MAIN_WINDOW"
wait_until shown "$MAIN_WINDOW" || fail "the main window was not restored"
wait_until shown "$about" || fail "the About dialog was not restored with the main window"
focused() { [ "$(xdotool getwindowfocus)" == "$1" ]; }
wait_until focused "$about" || fail "the restored About dialog did not get the keyboard focus"
keys Return
wait_window_gone "$about"
keys ctrl+c
expect_soon "<BODY" "copy after the dialog closed" clipboard_start

wmctrl -i -r "$MAIN_WINDOW" -b add,fullscreen
sleep 0.5 # the window manager obeys, then the program undoes it
not_full_screen() { ! xprop -id "$MAIN_WINDOW" _NET_WM_STATE | grep -q FULLSCREEN; }
wait_until not_full_screen || fail "the window stayed full screen"
expect_soon "347,127" "frame after the full-screen request" frame_origin "$MAIN_WINDOW"
expect_equal "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW" | sed -n 's/^WIDTH=//p')" "518" \
    "width after the full-screen request"

wmctrl -i -c "$MAIN_WINDOW" # the close box
expect_exit 0
echo "PASS: frame at 347,127, About centred and owned by the main window, no full screen"
