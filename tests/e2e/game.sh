#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# game.sh: a whole game played as a person plays it: read each arrow off the screen, click
# the tiles, lose, enter a name, and find the score stored and shown after a restart.
source "$(dirname "$0")/lib.sh"
# The program as installed, not as built.
cmake --install "$TOLVANE_BUILD" --prefix "$WORK/prefix" >/dev/null
TOLVANE="$WORK/prefix/games/tolvane"
start_xvfb
mkdir -p "$(dirname "$(settings_file)")"
printf '[Settings]\nspeed=1\n' >"$(settings_file)"   # 999 ms per arrow: the slowest
start_program
main=$(wait_window Tolvane)
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 293))

started=$(LC_ALL=C date +%d-%b-%y)
click_twips "$main" 7927 2347 "$menu"   # Start Game
play_then_lose 3
box=$(wait_window "Game Over")
screenshot game-over
focus "$box"
xdotool key Return
prompt=$(wait_window "New high score!")
focus "$prompt"
name='Zoë & Jürgen'   # xdotool types capitals only of ASCII letters
xdotool type --delay 50 "$name"
screenshot name-prompt
xdotool key Return
scores=$(wait_window "High Scores")
screenshot high-scores-new-row
eval "$(xdotool getwindowgeometry --shell "$scores")"
# Pixels of row 1 (score, name and date) whose colour is clearly blue.
row_blue() {
    import -silent -window "$scores" -depth 8 "$WORK/capture.png"
    convert "$WORK/capture.png" -crop 360x25+16+64 +repage txt:- \
        | awk -F'[(),]' 'NR > 1 && $5 > 150 && $3 < 100 && $4 < 100 { n++ } END { print n + 0 }'
}
[ "$(row_blue)" -gt 0 ] || fail "the new row is not blue"
click_twips "$scores" 2767 6247
wait_window_gone "High Scores"
focus "$main"
xdotool key alt+x
wait_exit

file=$(settings_file)
grep -qx 'speed=1' "$file" || fail "speed 1 not stored"
grep -qx 'score%201=3' "$file" || fail "score 3 not in row 1"
grep -qxF "name%201=$name" "$file" || fail "name not stored as typed: $(grep 'name%201' "$file")"
# The game may end on the day after it started.
grep -qxE "date%201=($started|$(LC_ALL=C date +%d-%b-%y))" "$file" \
    || fail "date neither of the game's days: $(grep 'date%201' "$file")"

start_program
main=$(wait_window Tolvane)
focus "$main"
xdotool key alt+s
scores=$(wait_window "High Scores")
[ "$(row_blue)" -eq 0 ] || fail "the row is still blue"
screenshot high-scores-after-restart
click_twips "$scores" 2767 6247
wait_window_gone "High Scores"
focus "$main"
xdotool key alt+x
wait_exit
echo "game: passed"
