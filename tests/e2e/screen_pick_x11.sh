#!/usr/bin/env bash
# Picking a colour from the screen on an X11 desktop (no Wayland session),
# on a desktop painted #3366CC, under a window manager if one is named. Ctrl+Shift+P, or the context
# menu, makes the pointer a cross; the background being edited shows the
# colour under the pointer; Escape puts the whole window back to the pixel,
# HSL bars as the user left them; the window's keys wait. A click on the desktop picks its colour;
# Enter picks at the pointer, which the arrow keys move, over the program's
# own grid too; over the page
# preview a pick reads the page's colour, not the preview. A right click
# cancels. After every pick the pointer and keyboard are free again. When
# another program holds the pointer, a pick beeps and changes nothing.
# Escape alone does nothing.
#   screen_pick_x11.sh PROGRAM XCLOSE XPROBE [WINDOW-MANAGER]
source "$(dirname "$0")/lib.sh" "$@"
XPROBE=$3
unset WAYLAND_DISPLAY
start_server
[ -n "${4:-}" ] && start_window_manager "$4"
xsetroot -solid '#3366CC'
"$XPROBE" bells >"$WORK/bells" &
HELPER_PIDS+=($!)
wait_until grep -q listening "$WORK/bells" || fail "no one listens to the bell"
start_program

background() {
    keys ctrl+c
    clipboard | sed -n 's/^<BODY BGCOLOR="\(#[0-9A-F]*\)".*/\1/p'
}
window_shot() { import -silent -window "$MAIN_WINDOW" "$WORK/$1.png"; }
same_shots() { compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>/dev/null; }
swatch_is() { [ "$(pixel_at 19 17)" == "$1" ]; }
bells() { grep -c bell "$WORK/bells"; }
rang() { [ "$(bells)" -ge "$1" ]; }
on_desktop() { xdotool mousemove 100 900; }
over_client() { xdotool mousemove --window "$MAIN_WINDOW" "$1" $(($2 + MENU_HEIGHT)); }
click() {
    sleep 0.1
    xdotool click "$1"
    sleep 0.2
}
pointer_is() { [ "$("$XPROBE" cursor)" == "$1" ]; }
expect_released() {
    "$XPROBE" free || fail "the pointer or keyboard is still held after $1"
    ! pointer_is cross || fail "the pointer is still a cross after $1"
}

keys Tab Tab Tab End # the hue bar to 359; grey stays grey, whose own hue is 0
window_shot before
keys ctrl+shift+p
wait_until pointer_is cross || fail "the pointer is no cross during a pick"
on_desktop
wait_until swatch_is 3366CC || fail "the background does not show the desktop's colour"
keys ctrl+2 # the window's keys wait while the pick lasts
keys Escape
wait_until swatch_is C0C0C0 || fail "Escape did not put the background back"
window_shot cancelled
same_shots before cancelled || fail "the window differs after a cancelled pick"
expect_released Escape

over_client 19 17
click 3 # the context menu
keys i   # its screen pick, by the entry's accelerator
wait_until pointer_is cross || fail "the context menu started no pick"
on_desktop
wait_until swatch_is 3366CC || fail "the preview does not show the desktop's colour"
over_client 36 202 # grid column 2, row 2
wait_until swatch_is C0C0C0 || fail "over its own window the program shows the preview"
keys shift+Right Right Right # 13 pixels on: column 3, row 2, FF0000
keys Return
expect_soon "#FF0000" "background picked with Enter from the grid, aimed by keys" background
expect_released Enter

keys ctrl+shift+p
on_desktop
wait_until swatch_is 3366CC || fail "the preview does not show the desktop's colour"
# At once onto the page preview, which shows the desktop's colour until it
# is painted again.
xdotool mousemove --window "$MAIN_WINDOW" 192 $((140 + MENU_HEIGHT)) click 1
sleep 0.2
expect_soon "#FF0000" "background picked from the page preview" background

keys ctrl+shift+p
on_desktop
click 1
expect_soon "#3366CC" "background picked from the desktop" background
expect_released "a click"

keys ctrl+shift+p
over_client 10 180 # grid column 0, row 0: FFFFFF
click 3
expect_soon "#3366CC" "background after a right click" background
expect_released "a right click"

"$XPROBE" hold-pointer >"$WORK/holder" &
holder=$!
HELPER_PIDS+=($holder)
wait_until grep -q holding "$WORK/holder" || fail "the pointer could not be held"
window_shot held
keys ctrl+shift+p
wait_until rang 1 || fail "no beep when the pointer could not be had"
! pointer_is cross || fail "the pointer became a cross without a pick"
keys Return
window_shot refused
same_shots held refused || fail "the window changed when the pick was refused"
end_pid "$holder"
expect_released "a refused pick"

window_shot idle
keys Escape
window_shot escaped
same_shots idle escaped || fail "Escape changed the window outside a pick"
expect_equal "$(bells)" 1 "beeps"

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: picks from the desktop, the context menu, with Enter, over the preview; Escape and right click restore exactly; grabs given back; a held pointer beeps"
