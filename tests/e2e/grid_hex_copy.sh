#!/usr/bin/env bash
# The background takes a grid cell, the hex format is chosen, the copy button
# is pressed: the clipboard holds "#RRGGBB" of that cell. The close box ends
# the program with code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_program

click_at 19 17    # the background swatch
click_at 49 202   # grid column 3, row 2: FF0000
click_at 400 252  # tag type "１６進形式(#xxxxxx)"
click_at 284 305  # the copy button
expect_soon "#FF0000" "clipboard after the copy button" clipboard

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: grid pick, hex format, copy button, close box"
