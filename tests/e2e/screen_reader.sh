#!/usr/bin/env bash
# The program as a screen reader user meets it: on a private session bus with
# the AT-SPI bus on, read and operated through that bus (screen_reader.py).
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_accessibility_bus
start_program

/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$APP_PID" "$3" || fail "see the checks above"
"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: numbers, announced changes, list and grid choices, Ctrl+1 to 7 and About through AT-SPI"
