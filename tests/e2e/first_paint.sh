#!/usr/bin/env bash
# What a person sees, read from screenshots of the real window, started with
# arguments that would change a Qt program (the program ignores them): each
# preview caption centred in its label from the first paint on, each group's
# frame line running through its caption, the About dialog's rights line
# inside its panel.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_program -reverse -style Windows -qwindowtitle Other -qwindowgeometry 300x200+0+0

geometry=$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")
expect_equal "$(sed -n 's/^X=//p' <<<"$geometry"),$(sed -n 's/^Y=//p' <<<"$geometry")" "347,127" \
    "window position"
expect_equal "$(sed -n 's/^WIDTH=//p' <<<"$geometry")" "518" "window width"
expect_equal "$(pixel_at 19 17)" "C0C0C0" "background swatch at the left (not mirrored)"

first="$WORK/first.png"
import -window "$MAIN_WINDOW" "$first"
# The ink's bounding box inside a part of a picture: WxH+X+Y, relative to it.
ink() { convert "$1" -crop "$4x$5+$2+$3" +repage -format '%@' info:; }
keys Right Left # the red slider there and back: the preview repaints
repainted="$WORK/repainted.png"
import -window "$MAIN_WINDOW" "$repainted"
for row in 0 1 2 3 4; do
    # Caption labels: x 8 to 207, from y 8 in rows of 20; the swatch covers x 7 to 31.
    top=$((8 + 20 * row + MENU_HEIGHT))
    box=$(ink "$first" 33 "$top" 175 20)
    IFS='x+' read -r width _ left _ <<<"$box"
    centre2=$((2 * (33 + left) + width - 1)) # twice the ink's centre
    [ "$centre2" -ge 213 ] && [ "$centre2" -le 219 ] ||
        fail "caption $row at the first paint: ink $box, centred on $((centre2 / 2)), not 108"
    expect_equal "$(ink "$repainted" 33 "$top" 175 20)" "$box" "caption $row after a repaint"
done

# Groups at x 222, tops 6, 93 and 203: the frame's top line (found in a
# column right of every caption) runs through the caption's ink.
face=$(pixel_at 300 285)
for top in 6 93 203; do
    y0=$((top + MENU_HEIGHT))
    line=$(convert "$first" -crop "1x14+372+$y0" +repage txt:- |
        awk -v face="$face" 'NR > 1 && toupper(substr($3, 2, 6)) != face { split($1, p, "[,:]"); print p[2]; exit }')
    [ -n "$line" ] || fail "group at $top: no frame line within 14 pixels of its top"
    IFS='x+' read -r _ height _ inkTop <<<"$(ink "$first" 230 "$y0" 40 16)"
    [ "$inkTop" -lt "$line" ] && [ "$line" -lt $((inkTop + height - 1)) ] ||
        fail "group at $top: frame line at $line, caption ink from $inkTop, $height high"
done

keys alt+h a
about=$(wait_window '^ﾊﾞｰｼﾞｮﾝ情報$')
import -window "$about" "$WORK/about.png"
# Panel1 at 8,4, 250 x 120, lowered: its right bevel is the column x 257. The
# rights line's row (y 59 to 70) must leave it as it is below the text.
bevel=$(convert "$WORK/about.png" -crop 1x12+257+59 +repage -unique-colors -format '%k' info:)
expect_equal "$bevel" "1" "colours on the panel's right bevel beside the rights line"
expect_equal "$(convert "$WORK/about.png" -format '%[hex:p{257,59}]' info:)" \
    "$(convert "$WORK/about.png" -format '%[hex:p{257,100}]' info:)" "the bevel beside the rights line"
xdotool key Return
wait_window_gone "$about"

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: arguments ignored, captions centred from the first paint, group captions in their frames, rights line inside its panel"
