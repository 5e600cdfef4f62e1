#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scores.sh: the speed and the high-score table are stored at exit and shown at the next start.
source "$(dirname "$0")/lib.sh"
start_xvfb

# First run: nothing stored; closing stores the default speed and all 30 table values.
start_program
main=$(wait_window Tolvane)
focus "$main"
xdotool key alt+x
wait_exit
file=$(settings_file)
grep -qx 'speed=500' "$file" || fail "speed 500 not stored"
[ "$(grep -cE '^(score|name|date)%20([1-9]|10)=$' "$file")" -eq 30 ] || fail "not 30 empty table values"

# A prepared file: its speed is on the slider, its rows in the high-score window.
cat >"$file" <<'INI'
[Settings]
speed=750

[Scores]
score%201=42
name%201=Ann
date%201=05-Dec-26
score%202=0
name%202=Zero
date%202=01-Jan-26
INI
start_program
main=$(wait_window Tolvane)
eval "$(xdotool getwindowgeometry --shell "$main")"
client_y=$((Y + HEIGHT - 293))
speed=$(read_text $((X + 24)) $((client_y + 256)) 57 17)
[ "$speed" = "750" ] || fail "speed label reads '$speed'"
screenshot main-speed-750

focus "$main"
xdotool key alt+s
scores=$(wait_window "High Scores")
screenshot high-scores
eval "$(xdotool getwindowgeometry --shell "$scores")"
name=$(read_text $((X + 104)) $((Y + 64)) 153 25)
[ "$name" = "Ann" ] || fail "row 1 name reads '$name'"
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name '^High Scores$' >/dev/null || fail "Escape closed the high-score window"
click_twips "$scores" 2767 6247
wait_window_gone "High Scores"

focus "$main"
xdotool key alt+x
wait_exit
grep -qx 'speed=750' "$file" || fail "speed 750 not kept"
grep -qx 'name%201=Ann' "$file" || fail "row 1 not kept"
echo "scores: passed"
