#!/usr/bin/env bash
# Started with no locale set at all (as under env -i, cron or a bare
# container), the program shows its window and ends without a word on its
# output: no complaint about the C locale.
source "$(dirname "$0")/lib.sh" "$@"
unset LC_ALL LC_CTYPE LANG LANGUAGE
export XDG_RUNTIME_DIR="$WORK/runtime" # a session's own, so Qt need not say it made one
mkdir -m 0700 "$XDG_RUNTIME_DIR"
start_server
start_program
keys alt+f x
expect_exit 0
[ ! -s "$WORK/program.log" ] || fail "the program said: $(cat "$WORK/program.log")"
echo "PASS: a start without a locale is quiet"
