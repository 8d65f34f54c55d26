#!/usr/bin/env bash
# At start-up only the main window shows, the desktop knows the program as
# Tintwright with its icon, and Ctrl+C puts exactly the default body tag on
# the clipboard; File > Exit by its accelerators ends the program with code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_program

[ -z "$(xdotool search --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' 2>/dev/null)" ] || fail "the About dialog shows at start-up"
expect_equal "$(xprop -id "$MAIN_WINDOW" WM_CLASS | sed 's/^[^=]*= //')" '"tintwright", "Tintwright"' "WM_CLASS"
# Read whole before searching: grep -q ending at the first line would cut
# xprop off while it still prints the icon's pixels, failing the pipe.
icon=$(xprop -id "$MAIN_WINDOW" _NET_WM_ICON)
grep -q 'Icon (32 x 32)' <<<"$icon" || fail "no 32 x 32 window icon"

keys ctrl+c
clipboard >"$WORK/copied"
printf '%s' '<BODY BGCOLOR="#C0C0C0" TEXT="#FFFFFF" LINK="#CC00CC" VLINK="#88CC88" ALINK="#AAAA99">' >"$WORK/expected"
cmp "$WORK/copied" "$WORK/expected" || fail "clipboard bytes: $(cat "$WORK/copied")"

keys alt+f x
expect_exit 0
echo "PASS: copy at start-up, File > Exit"
