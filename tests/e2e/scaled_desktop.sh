#!/usr/bin/env bash
# Under a window manager (openbox) on a 1280 x 1024 screen, the window's frame
# opens at its designed place 347,127 where the whole window fits there; at a
# desktop scale of 2 it does not, and the window moves just enough to lie
# wholly on the screen: every slider and button within reach.
#   scaled_desktop.sh BINARY XCLOSE
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_server
start_window_manager openbox

# The outer frame as "left top right bottom" on the screen.
frame_of() {
    local left right top bottom x y width height
    read -r left right top bottom <<<"$(frame_extents "$1")"
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    width=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
    height=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
    echo "$((x - left)) $((y - top)) $((x + width + right)) $((y + height + bottom))"
}

# Whether the frame, read into left, top, right and bottom, lies wholly on
# the screen with its top-left corner where expected.
frame_in_place() {
    read -r left top right bottom <<<"$(frame_of "$MAIN_WINDOW")"
    [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le 1280 ] && [ "$bottom" -le 1024 ] &&
        [ "$top" == "$expected_top" ] && { [ "$expected_left" == any ] || [ "$left" == "$expected_left" ]; }
}

# scale, then the frame's left and top edges expected: the designed place
# (in device pixels), or at scale 2 moved left until its right edge meets the
# screen's (to within the pixel that rounding a scaled frame may leave).
while read -r scale expected_left expected_top least_right; do
    QT_SCALE_FACTOR=$scale start_program
    # The window manager's frame comes, then the program may move the window.
    wait_until frame_in_place ||
        fail "at scale $scale the frame is $left,$top-$right,$bottom: not wholly on the screen at $expected_left,$expected_top"
    [ "$right" -ge "$least_right" ] || fail "at scale $scale the window moved too far: right edge $right"
    "$XCLOSE" "$MAIN_WINDOW"
    expect_exit 0
done <<'CASES'
1 347 127 0
2 any 254 1279
CASES
echo "PASS: the window opens at its place, and wholly on the screen at scale 2"
