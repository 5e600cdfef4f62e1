#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# about.sh: the About window opens from the menu, shows the version, and Enter or Escape closes it.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_program
main=$(wait_window Tolvane)
for key in Return Escape; do
    focus "$main"
    xdotool key alt+a
    about=$(wait_window "About Tolvane")
    eval "$(xdotool getwindowgeometry --shell "$about")"
    [ "$WIDTH" -eq 500 ] && [ "$HEIGHT" -eq 363 ] || fail "About window is ${WIDTH}x$HEIGHT"
    version=$(read_text $((X + 72)) $((Y + 40)) 259 23)
    [ "$version" = "v1.0.0" ] || fail "version reads '$version'"
    screenshot "about-$key"
    focus "$about"
    xdotool key "$key"
    wait_window_gone "About Tolvane"
done
focus "$main"
xdotool key alt+x
wait_exit
echo "about: passed"
