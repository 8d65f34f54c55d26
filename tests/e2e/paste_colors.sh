#!/usr/bin/env bash
# Colours in and out through the clipboard, as a person uses them. The
# clipboard is not read at start-up, and a paste does not hold the window
# while the clipboard's owner keeps silent; a page's BODY tag pasted with
# Ctrl+V paints its colours (read as browsers read them); a colour on its own
# goes to the part being edited, whose hex readout then looks as a grid pick
# of that colour makes it look; Ctrl+Shift+C copies the scheme as CSS, which
# Ctrl+V takes back; a text that names no colour only rings the bell.
#   paste_colors.sh BINARY XCLOSE XSILENTOWNER XPROBE
source "$(dirname "$0")/lib.sh" "$1" "$2"
silent_owner=$3
probe=$4
start_server

helpers=()
trap 'for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done; cleanup' EXIT
"$probe" bells >"$WORK/bells" 2>&1 &
helpers+=($!)
wait_until grep -q listening "$WORK/bells" || fail "the bell watcher did not start"
bells() { grep -c '^bell$' "$WORK/bells" || true; }
bells_are() { [ "$(bells)" = "$1" ]; }
pixel_is() { [ "$(pixel_at "$1" "$2")" = "$3" ]; }

# Text on the clipboard, held by xclip until a program has read it. xclip
# says it waits before its claim has reached the server, so the test waits
# for the server to name a new owner.
clipboard_owner() { "$probe" owner CLIPBOARD; }
offer() {
    local before
    before=$(clipboard_owner)
    printf '%s' "$1" | xclip -quiet -loops 1 -selection clipboard -i >"$WORK/offer.log" 2>&1 &
    OFFER_PID=$!
    helpers+=("$OFFER_PID")
    offer_owns() { local now; now=$(clipboard_owner) && [ "$now" != 0x0 ] && [ "$now" != "$before" ]; }
    wait_until offer_owns || fail "xclip did not take the clipboard"
}
offer_read() { ! kill -0 "$OFFER_PID" 2>/dev/null; }
readout() { # the hex readout "COLOR = #RRGGBB" as the screen shows it
    import -silent -window "$MAIN_WINDOW" -crop "290x22+222+$((181 + MENU_HEIGHT))" +repage \
        "$WORK/$1.png"
}
same_pixels() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# An owner that never answers holds the clipboard from before the start.
"$silent_owner" CLIPBOARD >"$WORK/owner.log" &
owner=$!
helpers+=("$owner")
wait_until grep -q owning "$WORK/owner.log" || fail "the silent owner did not start"
start_program
sleep 0.3
! grep -q request "$WORK/owner.log" || fail "the clipboard was read at start-up"
keys ctrl+v
keys Home # the red slider has the focus: the background's red goes to 0
# Which comes first: Home on the screen, or the bell at the end of the
# owner's 2 s. The screen is looked at first, then the bell counted.
first=
answered_or_rang() {
    if pixel_is 19 17 00C0C0 && bells_are 0; then
        first=window
    elif ! bells_are 0; then
        first=bell
    fi
    [ -n "$first" ]
}
wait_until answered_or_rang || fail "neither Home nor a bell after the paste"
expect_equal "$first" window "what came first after the paste that waits"
wait_until bells_are 1 || fail "no bell once the silent owner's time was up"
expect_equal "$(grep -c request "$WORK/owner.log")" 1 "requests to the silent owner"
expect_equal "$(pixel_at 19 17)" 00C0C0 "background after the paste that got no answer"
kill "$owner"

# A page's tag: its colours, in its own spelling, as browsers read them.
offer "<body bgcolor=\"chucknorris\" text=#00f link='red' onload=\"start()\">"
keys ctrl+v
wait_until offer_read || fail "the body tag was not read"
wait_until pixel_is 19 17 C00000 || fail "background after pasting the body tag"
keys ctrl+c
expect_soon '<BODY BGCOLOR="#C00000" TEXT="#0000FF" LINK="#FF0000" VLINK="#88CC88" ALINK="#AAAA99">' \
    "body tag copied after the paste" clipboard

# A colour on its own goes to the part being edited, and reads as a pick.
click_at 19 77 # the visited link's swatch
offer "ff9933"
keys ctrl+v
wait_until offer_read || fail "the colour was not read"
wait_until pixel_is 19 77 FF9933 || fail "visited link after pasting ff9933"
readout pasted
click_at 10 180 # the grid's white, first
wait_until pixel_is 19 77 FFFFFF || fail "visited link after picking white"
readout other
click_at 10 191 # the grid's FF9933
wait_until pixel_is 19 77 FF9933 || fail "visited link after picking FF9933"
readout picked
same_pixels "$WORK/pasted.png" "$WORK/picked.png" || fail "the readout after the paste is not as after a pick"
! same_pixels "$WORK/pasted.png" "$WORK/other.png" || fail "the readout shows no colour"

# The scheme as CSS, and back.
keys ctrl+shift+c
expect_soon "body { background-color: #C00000; color: #0000FF; }
a:link { color: #FF0000; }
a:visited { color: #FF9933; }
a:active { color: #AAAA99; }
td { background-color: #777777; }
hr { border-style: solid; border-color: #C0C0C0; background-color: #C0C0C0; }" "CSS copied" clipboard
click_at 19 17 # the background's swatch
click_at 10 180 # the grid's white
expect_soon FFFFFF "background picked" pixel_at 19 17
keys ctrl+v # the program's own CSS
wait_until pixel_is 19 17 C00000 || fail "background after pasting the CSS back"
expect_equal "$(pixel_at 19 77)" FF9933 "visited link after pasting the CSS back"

# A text that names no colour changes nothing that shows and rings the bell.
offer "Pick a warm red for <BODY BGCOLOR=red>"
import -silent -window "$MAIN_WINDOW" "$WORK/before.png"
keys ctrl+v
wait_until offer_read || fail "the prose was not read"
wait_until bells_are 2 || fail "no bell for a text that names no colour"
import -silent -window "$MAIN_WINDOW" "$WORK/after.png"
same_pixels "$WORK/before.png" "$WORK/after.png" || fail "the window changed on a text that names no colour"

"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: no read at start-up, no wait on a silent owner, tag, colour and CSS pasted, CSS copied, prose refused"
