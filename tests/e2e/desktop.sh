#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# desktop.sh: the main window under a moving hand, with the keyboard and with a sound server
# listening: Enter starts a game, a press on a control followed by motion never moves the
# window while a drag of its empty area does, a tile click counts however the pointer moved
# inside the tile, and there is one beep for every arrow shown and every press on a tile.
source "$(dirname "$0")/lib.sh"
start_xvfb

start_sound_server
parec --latency-msec=20 -d null.monitor --rate=8000 --channels=1 --format=s16le --raw \
    >"$WORK/sound.raw" &
RECORD_PID=$!
for _ in $(seq 100); do [ -s "$WORK/sound.raw" ] && break; sleep 0.1; done
[ -s "$WORK/sound.raw" ] || fail "nothing recorded from the sound server"

mkdir -p "$(dirname "$(settings_file)")"
printf '[Settings]\nspeed=500\n' >"$(settings_file)"
start_program
main=$(wait_window Tolvane)
focus "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 293))
origin="$X,$Y"

# Presses the left button at a point of the client area (pixels), moves the pointer by
# (dx, dy) in two steps, and releases it there.
press_move_release() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local x=$((X + $1)) y=$((Y + menu + $2))
    xdotool mousemove "$x" "$y" mousedown 1
    sleep 0.1
    xdotool mousemove $((x + $3 / 2)) $((y + $4 / 2))
    sleep 0.1
    xdotool mousemove $((x + $3)) $((y + $4)) mouseup 1
    sleep 0.3
}
window_at() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    echo "$X,$Y"
}

# Start Game has the focus first.
xdotool key Return
read -r -a sequence <<<"$(watch_round 1)"
# Round 1, entered with a hand that moves inside the tile between press and release.
read -r x y <<<"${tiles_twips[${sequence[0]}]}"
press_move_release $((x / 15)) $((y / 15)) 4 3
[ "$(window_at)" = "$origin" ] || fail "a press on a tile and a move took the window to $(window_at)"
for _ in $(seq 50); do [ "$(score_text)" = 1 ] && break; sleep 0.1; done
[ "$(score_text)" = 1 ] || fail "the click with a moving hand did not count: score '$(score_text)'"

# Round 2 as played, slowly enough that each beep is heard apart; round 3 lost at once.
read -r -a sequence <<<"$(watch_round 2)"
for arrow in "${sequence[@]}"; do
    click_twips "$main" ${tiles_twips[$arrow]} "$menu"
    sleep 0.4
done
read -r -a sequence <<<"$(watch_round 3)"
click_twips "$main" ${tiles_twips[$(( (sequence[0] + 1) % 4 ))]} "$menu"
box=$(wait_window "Game Over")
focus "$box"
xdotool key Return
prompt=$(wait_window "New high score!")
focus "$prompt"
xdotool key Escape
scores=$(wait_window "High Scores")
focus "$scores"
xdotool key Return
wait_window_gone "High Scores"
sleep 0.5
kill -INT "$RECORD_PID"
wait "$RECORD_PID" || true

# 6 arrows shown and 4 presses: a beep is a sound after at least 150 ms of silence.
beeps=$(od -An -v -td2 -w160 "$WORK/sound.raw" | awk -v quiet=15 '
    { loud = 0; for (i = 1; i <= NF; i++) if ($i > 2000 || $i < -2000) loud = 1 }
    loud && quiet >= 15 { n++ }
    { quiet = loud ? 0 : quiet + 1 }
    END { print n + 0 }')
[ "$beeps" -eq 10 ] || fail "heard $beeps beeps, expected 10 (6 arrows, 4 presses)"

# A press on the slider's track, or on Start Game, and a move: the window stays.
press_move_release 70 40 5 5
[ "$(window_at)" = "$origin" ] || fail "a press on the slider and a move took the window to $(window_at)"
press_move_release 530 150 6 2
[ "$(window_at)" = "$origin" ] || fail "a press on Start Game and a move took the window to $(window_at)"
# A drag of the empty area moves it by as much as the pointer.
press_move_release 400 260 30 20
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X,$Y" = "$(( ${origin%,*} + 30 )),$(( ${origin#*,} + 20 ))" ] \
    || fail "a drag of the empty area took the window from $origin to $X,$Y"
focus "$main"
xdotool key alt+x
wait_exit
echo "desktop: passed"
