#!/usr/bin/env bash
# Ctrl+C right after start-up puts exactly the default body tag on the
# clipboard; File > Exit by its accelerators ends the program with code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_server
start_program

keys ctrl+c
clipboard >"$WORK/copied"
printf '%s' '<BODY BGCOLOR="#C0C0C0" TEXT="#FFFFFF" LINK="#CC00CC" VLINK="#88CC88" ALINK="#AAAA99">' >"$WORK/expected"
cmp "$WORK/copied" "$WORK/expected" || fail "clipboard bytes: $(cat "$WORK/copied")"

keys alt+f x
expect_exit 0
echo "PASS: copy at start-up, File > Exit"
