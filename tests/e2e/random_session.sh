#!/usr/bin/env bash
# A long random session of real X input: clicks and drags anywhere in the
# main window and the About dialog, and keys including Escape, Enter, Tab,
# Ctrl+C, Ctrl+V, Ctrl+Shift+C and the menu accelerators (all but the ones
# that end the program).
# The session may close the program the ways a person can (Tab to the close
# button and Enter, File > Exit reached through the menus): it must then end
# with code 0 and no sanitizer report, and is started again. Afterwards the
# window must show what its scheme holds, and copy it.
#   random_session.sh BINARY XCLOSE [EVENTS] [SEED]
source "$(dirname "$0")/lib.sh" "$1" "$2"
events=${3:-200}
RANDOM=${4:-1208}
[[ $events =~ ^[0-9]+$ ]] || fail "the number of events is not a number: $events"
start_server
start_program

# The close button ends the program: clicks avoid its rectangle.
in_close_button() { [ "$1" -ge 380 ] && [ "$1" -lt 493 ] && [ "$2" -ge 293 ] && [ "$2" -lt 318 ]; }
keys_pool=(Escape Return Tab shift+Tab ctrl+c Left Right Up Down Home End Prior Next space
    alt+e alt+h alt+h+a a x c Return Escape ctrl+v ctrl+shift+c)

check_log() {
    if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:' "$WORK/program.log"; then
        cat "$WORK/program.log" >&2
        fail "a sanitizer report"
    fi
}

restarts=0
for _ in $(seq "$events"); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
        expect_exit 0
        check_log
        restarts=$((restarts + 1))
        start_program
    fi
    case $((RANDOM % 4)) in
    0 | 1)
        x=$((RANDOM % 518)) y=$((RANDOM % (334 + MENU_HEIGHT) - MENU_HEIGHT))
        in_close_button "$x" "$y" && continue
        xdotool mousemove --window "$MAIN_WINDOW" "$x" $((y + MENU_HEIGHT)) click 1 2>/dev/null || true
        ;;
    2)
        x=$((RANDOM % 518)) y=$((RANDOM % 334))
        in_close_button "$x" "$y" && continue
        xdotool mousemove --window "$MAIN_WINDOW" "$x" $((y + MENU_HEIGHT)) mousedown 1 \
            mousemove_relative -- $((RANDOM % 61 - 30)) $((RANDOM % 61 - 30)) mouseup 1 2>/dev/null || true
        ;;
    3)
        xdotool key "${keys_pool[RANDOM % ${#keys_pool[@]}]}" 2>/dev/null || true
        ;;
    esac
done

# Back to a known state: close the About dialog and any open list or menu.
xdotool key Escape Escape 2>/dev/null || true
about=$(xdotool search --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' 2>/dev/null | head -n 1) || true
if [ -n "$about" ]; then
    xdotool windowfocus --sync "$about" key Return
    wait_window_gone "$about"
fi
if ! kill -0 "$APP_PID" 2>/dev/null; then
    expect_exit 0
    check_log
    start_program
fi
xdotool windowfocus --sync "$MAIN_WINDOW"
sleep 0.2

# Whatever the session left: the copied tags carry the colours the swatches
# show, and a tag type that moves the editor to its part shows that part's
# colour in the channel squares (red, green and blue each alone).
click_at 260 224 # tag type "<BODY ...>": the editor stays where it is
mapfile -t swatch < <(pixel_at 19 17 19 37 19 57 19 77 19 97 19 135 108 115)
click_at 284 305 # the copy button
expect_soon "<BODY BGCOLOR=\"#${swatch[0]}\" TEXT=\"#${swatch[1]}\" LINK=\"#${swatch[2]}\" VLINK=\"#${swatch[3]}\" ALINK=\"#${swatch[4]}\">" \
    "the body tag after the session" clipboard
for type in "266 TD BGCOLOR 5" "252 HR COLOR 6"; do # where, the tag, the part's swatch
    read -r y tag attribute part <<<"$type"
    click_at 260 "$y"
    mapfile -t square < <(pixel_at 492 36 492 56 492 76)
    expect_equal "${square[0]:0:2}${square[1]:2:2}${square[2]:4:2}" "${swatch[part]}" \
        "the channel squares after <$tag $attribute>"
    click_at 284 305
    expect_soon "<$tag $attribute=\"#${swatch[part]}\">" "the <$tag> tag after the session" clipboard
done

keys alt+f x
expect_exit 0
check_log
echo "PASS: $events random events ($restarts closings on the way), then the window shows and copies its scheme"
