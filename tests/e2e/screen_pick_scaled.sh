#!/usr/bin/env bash
# On a desktop scaled by 1.5 (Xft.dpi 144) a pick from the screen reads the
# pixel at the pointer's own position, not at the nearest position of the
# toolkit's larger pixels: on both sides of each of the first grid lines
# along a row of the colour grid, the pick gives the colour the screen shows.
#   screen_pick_scaled.sh PROGRAM XCLOSE
source "$(dirname "$0")/lib.sh" "$@"
unset WAYLAND_DISPLAY
start_server -dpi 144
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	144"
start_program

left=$(xwininfo -id "$MAIN_WINDOW" | sed -n 's/.*Absolute upper-left X: *//p')
top=$(xwininfo -id "$MAIN_WINDOW" | sed -n 's/.*Absolute upper-left Y: *//p')
row=$((top + 300)) # through the grid's third row, in screen pixels
import -silent -window root "$WORK/screen.png"
# The row's colours from the window's left edge, one "X RRGGBB" line each.
convert "$WORK/screen.png" -crop "80x1+$left+$row" +repage txt:- |
    sed -n 's/^\([0-9]*\),0: .*#\([0-9A-F]\{6\}\).*/\1 \2/p' >"$WORK/row"
# Both pixels of the first six colour changes along the row.
mapfile -t points < <(awk 'NR > 1 && $2 != previous { print NR - 2; print NR - 1; if (++n == 6) exit }
                          { previous = $2 }' "$WORK/row")
[ ${#points[@]} -eq 12 ] || fail "the row has too few colour changes"

copied_background() { # the background's hex digits in a fresh copy
    keys ctrl+c
    clipboard | sed -n 's/^<BODY BGCOLOR="#\([0-9A-F]*\)".*/\1/p'
}
for x in "${points[@]}"; do
    keys ctrl+shift+p
    xdotool mousemove $((left + x)) "$row"
    keys Return
    expect_soon "$(awk -v x="$x" '$1 == x { print $2 }' "$WORK/row")" "pick at $((left + x)),$row" \
        copied_background
done

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: picks on a 1.5-scaled desktop read the pixel under the pointer"
