#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# savekill.sh: the program killed at random moments while it saves, 200 times: the settings
# file always holds one whole table, never a mix, and every save that finished is kept.
source "$(dirname "$0")/lib.sh"
export QT_QPA_PLATFORM=offscreen
helper=$SAVEHELPER
stored=0
for i in $(seq 200); do
    "$helper" save $((i * 1000)) >"$WORK/saved" 2>/dev/null &
    pid=$!
    # Start-up takes some 100 ms; after it, a save every 10 ms or so.
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.05 + r % 350 / 1000 }')"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    now=$("$helper" check 2>/dev/null)
    last=$(tail -n1 "$WORK/saved")
    case "$now" in
        mixed|unreadable) fail "after kill $i the file is $now" ;;
    esac
    [ "$now" -ge "$stored" ] || fail "after kill $i the table went back from $stored to $now"
    [ -z "$last" ] || [ "$now" -ge "$last" ] || fail "after kill $i finished save $last is lost (file: $now)"
    stored=$now
done
echo "savekill: passed, last table $stored"
