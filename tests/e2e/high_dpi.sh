#!/usr/bin/env bash
# On a 144-dpi desktop (Xft.dpi) the window scales evenly by 1.5: its size,
# and every control where it should be. The picture is kept for a person to
# look at (no text may be clipped).
#   high_dpi.sh BINARY XCLOSE PICTURE
source "$(dirname "$0")/lib.sh" "$1" "$2"
picture=$3
start_server -dpi 144
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	144"
start_program

geometry=$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")
width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
expect_equal "$width" "777" "window width at 144 dpi (518 x 1.5)"
# The menu bar scales with the rest: 334 logical pixels below it, times 1.5.
menu=$(((height - 501) * 2 / 3))
import -window "$MAIN_WINDOW" "$picture"
colour_at() { # logical client coordinates, scaled
    convert "$picture" -format '%[hex:p{'"$(($1 * 3 / 2))"','"$((($2 + menu) * 3 / 2))"'}]' info: | cut -c1-6
}
expect_equal "$(colour_at 19 17)" "C0C0C0" "background swatch"
expect_equal "$(colour_at 19 57)" "CC00CC" "link swatch"
expect_equal "$(colour_at 10 178)" "FFFFFF" "grid cell 0, 0"
expect_equal "$(colour_at 49 202)" "FF0000" "grid cell 3, 2"
expect_equal "$(colour_at 492 36)" "C00000" "red channel square"

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: the window scales evenly at 144 dpi ($picture)"
