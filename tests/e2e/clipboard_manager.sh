#!/usr/bin/env bash
# Copied text outlives the program where a clipboard manager runs, and
# closing the program is quick; a clipboard manager that never answers
# (Qt then waits up to 5 s before the process ends) is never seen by the
# user: the window is gone at once.
#   clipboard_manager.sh BINARY XCLOSE XSILENTOWNER XPROBE
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1" "$2"
silent_owner=$3
probe=$4
now() { date +%s%N; }
# A silent manager holds Qt up for 5 s; under half that counts as at once.
at_once=2500 # ms
body='<BODY BGCOLOR="#C0C0C0" TEXT="#FFFFFF" LINK="#CC00CC" VLINK="#88CC88" ALINK="#AAAA99">'
start_server

# A working manager: xfsettingsd implements the clipboard save protocol.
xfsettingsd --no-daemon --sm-client-disable >"$WORK/xfsettingsd.log" 2>&1 &
manager=$!
manager_up() { [ "$("$probe" owner CLIPBOARD_MANAGER)" != 0x0 ]; }
wait_until manager_up || fail "xfsettingsd did not become the clipboard manager"
start_program
keys ctrl+c
started=$(now)
"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
took=$((($(now) - started) / 1000000))
[ "$took" -lt "$at_once" ] || fail "closing took $took ms with a clipboard manager"
expect_equal "$(timeout 5 xclip -o -selection clipboard)" "$body" "clipboard after the program ended"
kill "$manager"
wait "$manager" 2>/dev/null || true

# A manager that never answers.
"$silent_owner" CLIPBOARD_MANAGER >"$WORK/owner.log" &
owner=$!
wait_until grep -q owning "$WORK/owner.log" || fail "the silent manager did not start"
start_program
keys ctrl+c
started=$(now)
"$XCLOSE" "$MAIN_WINDOW"
wait_window_gone "$MAIN_WINDOW"
gone=$((($(now) - started) / 1000000))
[ "$gone" -lt "$at_once" ] || fail "the window stayed $gone ms after closing"
expect_exit 0 # after Qt's own wait for the manager
kill "$owner"
echo "PASS: text kept by the manager, closed in $took ms; with a silent manager the window went in $gone ms"
