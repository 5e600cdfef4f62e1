#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# win32.sh: Tolvane.exe under Wine, played as a person plays it: the main window, the help,
# a game of two rounds and a wrong click, the name prompt, the high scores in blue, the About
# window, and the registry after exit.
# Usage: TOLVANE_EXE=... WINE=loader WINEARCH=win32|win64 win32.sh
source "$(dirname "$0")/lib.sh"
export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cat >"$WORK/tolvane" <<SH
#!/bin/sh
exec "$WINE" "$TOLVANE_EXE"
SH
chmod +x "$WORK/tolvane"
TOLVANE="$WORK/tolvane"
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
start_xvfb
"$WINE" reg add 'HKCU\Software\Tolvane\Tolvane\Settings' /v speed /d 1 /f >/dev/null 2>&1
wineserver -w

start_program
main=$(wait_window Tolvane 60)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq 625 ] || fail "window is $WIDTH wide"
menu=$((HEIGHT - 293))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "no menu bar above a 293-pixel client area (height $HEIGHT)"
screenshot win32-main

focus "$main"
xdotool key alt+h
help=$(wait_window "Playing Instructions")
screenshot win32-help
focus "$help"
xdotool key Return
wait_window_gone "Playing Instructions"

focus "$main"
xdotool key Return   # Start Game has the focus first
play_then_lose 2
box=$(wait_window "Game Over")
screenshot win32-game-over
focus "$box"
xdotool key Return
prompt=$(wait_window "New high score!")
focus "$prompt"
xdotool type --delay 50 "Ann & Bo"
screenshot win32-name-prompt
xdotool key Return
scores=$(wait_window "High Scores")
screenshot win32-high-scores
import -silent -window "$scores" -depth 8 "$WORK/capture.png"
blue=$(convert "$WORK/capture.png" -crop 360x25+16+64 +repage txt:- \
    | awk -F'[(),]' 'NR > 1 && $5 > 150 && $3 < 100 && $4 < 100 { n++ } END { print n + 0 }')
[ "$blue" -gt 0 ] || fail "the new row is not blue"
click_twips "$scores" 2767 6247
wait_window_gone "High Scores"

focus "$main"
xdotool key alt+a
about=$(wait_window "About Tolvane")
screenshot win32-about
focus "$about"
xdotool key Return
wait_window_gone "About Tolvane"

focus "$main"
xdotool key alt+x
wait_exit
wineserver -w
registry="$WINEPREFIX/user.reg"
grep -q '^"speed"="1"' "$registry" || fail "speed not in the registry"
grep -q '^"score 1"="2"' "$registry" || fail "score not in the registry"
grep -q '^"name 1"="Ann & Bo"' "$registry" || fail "name not in the registry"
echo "win32: passed"
