#!/usr/bin/env bash
# Help > About by its accelerators opens the dialog centred on the screen;
# Enter closes it; the program then goes on and ends with code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_program

keys alt+h a
about=$(wait_window '^ﾊﾞｰｼﾞｮﾝ情報$')
geometry=$(xdotool getwindowgeometry --shell "$about")
expect_equal "$(echo "$geometry" | sed -n 's/^X=//p'),$(echo "$geometry" | sed -n 's/^Y=//p')" \
    "$(((1280 - 264) / 2)),$(((1024 - 165) / 2))" "About dialog position"
expect_equal "$(echo "$geometry" | sed -n 's/^WIDTH=//p')x$(echo "$geometry" | sed -n 's/^HEIGHT=//p')" \
    "264x165" "About dialog size"
xdotool key Return
wait_window_gone "$about"

# Without a window manager nobody hands the focus back: click into the window
# (on the inert hex readout) as a person would.
click_at 300 192
keys ctrl+c
expect_soon "<BODY" "copy after the dialog closed" clipboard_start
keys alt+f x
expect_exit 0
echo "PASS: About dialog centred, Enter closes it, File > Exit"
