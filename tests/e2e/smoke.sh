#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# smoke.sh: the program starts idle and centred, shows its help, and ends cleanly from the menu.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_program
main=$(wait_window Tolvane)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq 625 ] || fail "window is $WIDTH wide"
menu=$((HEIGHT - 293))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "no menu bar above a 293-pixel client area (height $HEIGHT)"
[ "$X" -eq $(( (1280 - WIDTH) / 2 )) ] && [ "$Y" -eq $(( (1024 - HEIGHT) / 2 )) ] || fail "not centred: $X,$Y"
screenshot main-idle
client_y=$((Y + menu))

# Idle: no glyph (the middle of each stem is background) and no red "Game Over".
background=$(pixel $((X + 200)) $((client_y + 20)))
for point in "264 72" "336 152" "264 232" "184 152"; do
    set -- $point
    [ "$(pixel $((X + $1)) $((client_y + $2)))" = "$background" ] || fail "a glyph shows at $point"
done
[ "$(pixel $((X + 264)) $((client_y + 152)))" = "$background" ] || fail "Game Over shows"

focus "$main"
xdotool key alt+h
help=$(wait_window "Playing Instructions")
screenshot help
focus "$help"
xdotool key Return
wait_window_gone "Playing Instructions"

focus "$main"
xdotool key alt+x
wait_exit
echo "smoke: passed"
