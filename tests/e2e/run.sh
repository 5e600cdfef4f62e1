#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# run.sh SCENARIO: the real program under a private X server, played as a person plays it.
#   game      the installed program: every window, a game lost in round 4, the name typed, the
#             table stored
#   wine      the same walk through Tolvane.exe under Wine; the table in the registry
# Set by CTest: ARTIFACTS (a folder), and TOLVANE_BUILD or TOLVANE_EXE and WINE.
# The benchmarks source this file for its helpers.
set -euo pipefail
WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_CONFIG_HOME/Tolvane" "$HOME" "$XDG_RUNTIME_DIR" "$ARTIFACTS"
chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER="unix:$WORK/no-sound-server" # none unless the caller starts one
SETTINGS="$XDG_CONFIG_HOME/Tolvane/Tolvane.conf"
PIDS=()
PROGRAM_PID=

fail() {
    echo "FAIL: $*" >&2
    import -silent -window root "$ARTIFACTS/failure-$1.png" 2>/dev/null || true
    exit 1
}
cleanup() {
    kill "${PIDS[@]}" $PROGRAM_PID 2>/dev/null || true
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Tries a command every 0.1 s for up to $1 seconds.
within() {
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

start_xvfb() {
    exec 3<> <(:)
    # -noreset: a program that starts just as the last client leaves must find the server up.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    local display
    read -r -t 10 display <&3 || fail "Xvfb did not start"
    export DISPLAY=":$display"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

start_program() { "$@" >"$WORK/program.log" 2>&1 & PROGRAM_PID=$!; }

window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
# Waits for a visible window titled exactly $1; prints its id.
wait_window() { within "${2:-20}" window_id "$1" || fail "no window titled '$1'"; }
wait_window_gone() { within 20 eval "! window_id '$1' >/dev/null" || fail "'$1' stayed open"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# Keyboard focus on a window and the pointer in it; with no window manager, that is by hand.
focus() {
    geometry "$1"
    xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Focuses window $1 and presses keys $2...
keys() { focus "$1" && xdotool key "${@:2}"; }

wait_exit() {
    within 20 eval '! kill -0 "$PROGRAM_PID" 2>/dev/null' || fail "the program did not end"
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
    PROGRAM_PID=
}

# Clicks a point of the main window's client area, given in twips.
click_twips() {
    geometry "$1"
    xdotool mousemove $((X + ($2 + 7) / 15)) $((Y + ${4:-0} + ($3 + 7) / 15)) click 1
}

# Middle of each arrow's stem in twips: up, right, down, left.
TILES=("3967 1027" "5227 2287" "3967 3547" "2707 2287")

# The arrow on show in the main window $main, -1 for none: a black pixel mid-stem.
arrow_on_show() {
    local point format= i=0
    for point in "${TILES[@]}"; do
        set -- $point
        format+="%[hex:p{$((($1 + 7) / 15)),$((menu + ($2 + 7) / 15))}] "
    done
    import -silent -window "$main" -depth 8 "$WORK/capture.png" 2>/dev/null
    for colour in $(convert "$WORK/capture.png" -format "$format" info:); do
        [ "${colour:0:6}" = 000000 ] && { echo $i; return; }
        i=$((i + 1))
    done
    echo -1
}
shows_arrow() { ARROW=$(arrow_on_show) && [ "$ARROW" -ge 0 ]; }

# Watches a round of $1 arrows; prints them.
watch_round() {
    local seen=()
    while [ ${#seen[@]} -lt "$1" ]; do
        within 5 shows_arrow || fail "no arrow shown"
        seen+=("$ARROW")
        within 5 eval '[ "$(arrow_on_show)" -lt 0 ]' || fail "arrow $ARROW stays"
    done
    echo "${seen[@]}"
}

# Plays rounds 1 to $1 without a mistake (a mistake would end the game before the next round
# shows), then clicks a wrong tile first in the next round.
play_then_lose() {
    local round arrow sequence
    for round in $(seq "$1"); do
        read -r -a sequence <<<"$(watch_round "$round")"
        for arrow in "${sequence[@]}"; do click_twips "$main" ${TILES[$arrow]} "$menu"; done
    done
    read -r -a sequence <<<"$(watch_round $(($1 + 1)))"
    click_twips "$main" ${TILES[$(((sequence[0] + 1) % 4))]} "$menu"
}

# Pixels of row 1 (score, name and date) of window $1 that are clearly blue.
row_blue() {
    import -silent -window "$1" -depth 8 "$WORK/capture.png"
    convert "$WORK/capture.png" -crop 360x25+16+64 +repage txt:- \
        | awk -F'[(),]' 'NR > 1 && $5 > 150 && $3 < 100 && $4 < 100 { n++ } END { print n + 0 }'
}

# The main window, a game of $1 rounds and a wrong click, the name $2 typed, the new row blue,
# the About window, and the exit.
walk() {
    main=$(wait_window Tolvane 60)
    geometry "$main"
    menu=$((HEIGHT - 293))
    [ "$WIDTH" -eq 625 ] && [ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] \
        || fail main "not a 625 x 293 client area below a menu bar: ${WIDTH}x$HEIGHT"
    [ "$X,$Y" = "$(((1280 - WIDTH) / 2)),$(((1024 - HEIGHT) / 2))" ] || fail main "not centred"
    keys "$main" Return # Start Game has the focus first
    play_then_lose "$1"
    keys "$(wait_window "Game Over")" Return
    focus "$(wait_window "New high score!")"
    xdotool type --delay 50 "$2"
    xdotool key Return
    scores=$(wait_window "High Scores")
    [ "$(row_blue "$scores")" -gt 0 ] || fail scores "the new row is not blue"
    click_twips "$scores" 2767 6247 # Close
    wait_window_gone "High Scores"
    keys "$main" alt+a
    keys "$(wait_window "About Tolvane")" Escape
    wait_window_gone "About Tolvane"
    keys "$main" alt+x
    wait_exit
}

scenario_game() {
    # The program as installed, not as built.
    cmake --install "$TOLVANE_BUILD" --prefix "$WORK/prefix" >/dev/null
    printf '[Settings]\nspeed=1\n' >"$SETTINGS" # 999 ms an arrow: the slowest
    start_xvfb
    start_program "$WORK/prefix/games/tolvane"
    local started name='Zoë & Jürgen' # xdotool types capitals only of ASCII letters
    started=$(LC_ALL=C date +%d-%b-%y)
    walk 3 "$name"
    grep -qx 'speed=1' "$SETTINGS" || fail stored "speed 1 not stored"
    grep -qx 'score%201=3' "$SETTINGS" || fail stored "score 3 not in row 1"
    grep -qxF "name%201=$name" "$SETTINGS" || fail stored "name not stored as typed"
    # The game may end on the day after it started.
    grep -qxE "date%201=($started|$(LC_ALL=C date +%d-%b-%y))" "$SETTINGS" || fail stored "wrong date"
}

scenario_wine() {
    export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    start_xvfb
    "$WINE" reg add 'HKCU\Software\Tolvane\Tolvane\Settings' /v speed /d 1 /f >/dev/null 2>&1
    wineserver -w
    start_program "$WINE" "$TOLVANE_EXE"
    walk 2 "Ann & Bo"
    wineserver -w
    grep -q '^"speed"="1"' "$WINEPREFIX/user.reg" || fail registry "speed not in the registry"
    grep -q '^"score 1"="2"' "$WINEPREFIX/user.reg" || fail registry "score not in the registry"
    grep -q '^"name 1"="Ann & Bo"' "$WINEPREFIX/user.reg" || fail registry "name not in the registry"
}

[ "${BASH_SOURCE[0]}" = "$0" ] || return 0
"scenario_$1"
echo "$1: passed"
