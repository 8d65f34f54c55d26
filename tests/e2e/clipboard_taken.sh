#!/usr/bin/env bash
# Another program takes the clipboard back the moment a copy has taken it,
# and never answers a request for it. The copy must not wait on that
# program: it is never asked for anything, the copy ends in the error box,
# and the window answers the next input. Once that program is gone, the copy
# works again.
#   clipboard_taken.sh BINARY XCLOSE XSILENTOWNER
source "$(dirname "$0")/lib.sh" "$1" "$2"
silent_owner=$3
body='<BODY BGCOLOR="#C0C0C0" TEXT="#FFFFFF" LINK="#CC00CC" VLINK="#88CC88" ALINK="#AAAA99">'
start_server
start_program

# The other program presses Ctrl+C in the window and takes the clipboard.
"$silent_owner" CLIPBOARD "$MAIN_WINDOW" >"$WORK/owner.log" &
owner=$!
wait_until grep -q 'took it' "$WORK/owner.log" || fail "the other program did not take the clipboard"
box=$(wait_window '^Tintwright$')
if grep -q request "$WORK/owner.log"; then
    fail "the copy asked the other program for the clipboard's contents"
fi
xdotool windowfocus --sync "$box"
keys Return # OK
wait_window_gone "$box"

# The window answers input at once: the red slider still has the focus.
xdotool windowfocus --sync "$MAIN_WINDOW"
keys Home
expect_soon "00C0C0" "background swatch after Home" pixel_at 19 17

kill "$owner"
wait "$owner" 2>/dev/null || true
keys ctrl+c
expect_soon "${body/C0C0C0/00C0C0}" "clipboard after the other program ended" clipboard
"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: a clipboard taken back ends the copy in the error box without asking its new owner"
