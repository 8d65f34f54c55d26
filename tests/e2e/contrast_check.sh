#!/usr/bin/env bash
# The contrast check on the real program (contrast_check.py says what is
# checked), read through the AT-SPI bus as a screen reader reads it, on a bare
# X server or under the window manager given.
#   contrast_check.sh BINARY XCLOSE [WINDOW_MANAGER]
source "$(dirname "$0")/lib.sh" "$@"
start_server
[ $# -ge 3 ] && start_window_manager "$3"
start_accessibility_bus
start_program

/usr/bin/python3 "$(dirname "$0")/contrast_check.py" "$APP_PID" "$MAIN_WINDOW" "$MENU_HEIGHT" ||
    fail "see the checks above"
"$XCLOSE" "$MAIN_WINDOW"
expect_exit 0
echo "PASS: F7 shows the readable check beside an unchanged window; the shared menu; the repair button"
