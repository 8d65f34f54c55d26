#!/usr/bin/env bash
# Keys on the focused red slider change the preview's pixels as the colour
# rules say; the close button ends the program with code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_program

expect_equal "$(pixel_at 19 17)" "C0C0C0" "background swatch at start"
keys Home
expect_soon "00C0C0" "background swatch after Home" pixel_at 19 17
expect_soon "00C0C0" "page preview after Home" pixel_at 192 140
keys End Left Left
expect_soon "FDC0C0" "background swatch after End, Left, Left" pixel_at 19 17
keys Tab Tab Tab End   # the hue slider to 359: H 359, S 239, L 222 gives FD BF C0
expect_soon "FDBFC0" "background swatch after the hue moved" pixel_at 19 17

click_at 436 305  # the close button
expect_exit 0
echo "PASS: slider keys repaint the preview, close button"
