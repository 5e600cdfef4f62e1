#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# run.sh SCENARIO: the real program under a private X server, played as a person plays it.
#   game      the installed program: every window, a game lost in round 4, the name typed, the
#             table stored, shown again after a restart
#   wine      the same walk through Tolvane.exe under Wine; the table in the registry
#   desktop   a moving hand: a click counts however the pointer moved inside the tile, and
#             the window moves only when its empty area is dragged
#   faults    a settings file of random bytes and a folder that cannot be written: the player
#             is told, plays on, and nothing stored is lost
#   savekill  the program killed 200 times while it saves: the file always holds one whole
#             table, and every save that finished is kept
# Set by CTest: TOLVANE or TOLVANE_EXE and WINE, ARTIFACTS (a folder), SAVEHELPER, TOLVANE_BUILD.
# The benchmarks source this file for its helpers.
set -euo pipefail
WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_CONFIG_HOME/Tolvane" "$HOME" "$XDG_RUNTIME_DIR" "$ARTIFACTS"
chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER="unix:$WORK/no-sound-server" # none unless a scenario starts its own
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
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
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

start_program() {
    "$@" >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
}

window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
# Waits for a visible window titled exactly $1; prints its id.
wait_window() { within "${2:-20}" window_id "$1" || fail "no window titled '$1'"; }
window_gone() { ! window_id "$1" >/dev/null; }
wait_window_gone() { within 20 window_gone "$1" || fail "'$1' stayed open"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# Keyboard focus on a window and the pointer in it; with no window manager, that is by hand.
focus() {
    geometry "$1"
    xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Focuses window $1 and presses keys $2...
keys() {
    focus "$1"
    shift
    xdotool key "$@"
}

program_ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }
wait_exit() {
    within 20 program_ended || fail "the program did not end"
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
    PROGRAM_PID=
}

# Text in a rectangle of the screen (x y width height), read by OCR, scaled up for small text.
read_text() {
    import -silent -window root -crop "$3x$4+$1+$2" +repage -resize 400% -colorspace Gray "$WORK/ocr.png"
    tesseract "$WORK/ocr.png" - --psm 7 2>/dev/null | tr -d '\f' | sed 's/[[:space:]]*$//'
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
shows_none() { [ "$(arrow_on_show)" -lt 0 ]; }

# Watches a round of $1 arrows; prints them.
watch_round() {
    local seen=()
    while [ ${#seen[@]} -lt "$1" ]; do
        within 5 shows_arrow || fail "no arrow shown"
        seen+=("$ARROW")
        within 5 shows_none || fail "arrow $ARROW stays"
    done
    echo "${seen[@]}"
}

score_is() {
    geometry "$main"
    [ "$(read_text $((X + 536)) $((Y + menu + 40)) 89 33)" = "$1" ]
}

# Plays rounds 1 to $1 without a mistake, checking the score after each, then clicks a wrong
# tile first in the next round.
play_then_lose() {
    local round arrow sequence
    for round in $(seq "$1"); do
        read -r -a sequence <<<"$(watch_round "$round")"
        for arrow in "${sequence[@]}"; do click_twips "$main" ${TILES[$arrow]} "$menu"; done
        within 5 score_is "$round" || fail "the score is not $round after round $round"
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

close_scores() {
    click_twips "$1" 2767 6247
    wait_window_gone "High Scores"
}

# The main window and its help, a game of $1 rounds and a wrong click, the name $2 typed, the
# new row blue, the About window, and the exit.
walk() {
    main=$(wait_window Tolvane 60)
    geometry "$main"
    menu=$((HEIGHT - 293))
    [ "$WIDTH" -eq 625 ] && [ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] \
        || fail main "not a 625 x 293 client area below a menu bar: ${WIDTH}x$HEIGHT"
    [ "$X,$Y" = "$(((1280 - WIDTH) / 2)),$(((1024 - HEIGHT) / 2))" ] || fail main "not centred"
    keys "$main" alt+h
    keys "$(wait_window "Playing Instructions")" Return
    wait_window_gone "Playing Instructions"

    keys "$main" Return # Start Game has the focus first
    play_then_lose "$1"
    keys "$(wait_window "Game Over")" Return
    focus "$(wait_window "New high score!")"
    xdotool type --delay 50 "$2"
    xdotool key Return
    scores=$(wait_window "High Scores")
    [ "$(row_blue "$scores")" -gt 0 ] || fail scores "the new row is not blue"
    close_scores "$scores"
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

    start_program "$WORK/prefix/games/tolvane"
    main=$(wait_window Tolvane)
    keys "$main" alt+s
    scores=$(wait_window "High Scores")
    [ "$(row_blue "$scores")" -eq 0 ] || fail restart "the row is still blue"
    close_scores "$scores"
    keys "$main" alt+x
    wait_exit
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

# Presses the left button at a point of the client area (pixels), moves by (dx, dy) in two
# steps, and releases it there.
press_move_release() {
    geometry "$main"
    local x=$((X + $1)) y=$((Y + menu + $2))
    xdotool mousemove "$x" "$y" mousedown 1 sleep 0.1 mousemove $((x + $3 / 2)) $((y + $4 / 2)) \
        sleep 0.1 mousemove $((x + $3)) $((y + $4)) mouseup 1 sleep 0.3
}
window_at() {
    geometry "$main"
    echo "$X,$Y"
}

# A private sound server whose sink plays nowhere; its monitor can be recorded. No X bell
# module: an X bell standing in for a beep goes unheard.
start_sound_server() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
        -L "module-null-sink sink_name=null" \
        -L "module-native-protocol-unix socket=$WORK/pulse.sock auth-anonymous=1" \
        >"$WORK/pulse.log" 2>&1 &
    PIDS+=($!)
    export PULSE_SERVER="unix:$WORK/pulse.sock"
    within 10 pactl info >/dev/null || fail sound "no sound server"
    # An idle sink's monitor skips the silence; played silence keeps it in real time.
    pacat -p --raw --rate=8000 --channels=1 --format=s16le </dev/zero &
    PIDS+=($!)
}

scenario_desktop() {
    start_xvfb
    start_program "$TOLVANE"
    main=$(wait_window Tolvane)
    geometry "$main"
    menu=$((HEIGHT - 293))
    local origin="$X,$Y" sequence x y
    keys "$main" Return
    read -r -a sequence <<<"$(watch_round 1)"
    read -r x y <<<"${TILES[${sequence[0]}]}"
    press_move_release $((x / 15)) $((y / 15)) 4 3
    within 5 score_is 1 || fail hand "a click with a moving hand did not count"
    press_move_release 70 40 5 5 # on the slider
    press_move_release 530 150 6 2 # on Start Game
    [ "$(window_at)" = "$origin" ] || fail moved "a press on a control and a move moved the window"
    press_move_release 400 260 30 20
    [ "$(window_at)" = "$((${origin%,*} + 30)),$((${origin#*,} + 20))" ] || fail moved "not dragged"
}

# Waits for the message titled "Tolvane" (not the main window, which is 625 wide), then OK.
message_shown() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Tolvane$' 2>/dev/null); do
        geometry "$w"
        [ "$WIDTH" -ne 625 ] && MESSAGE=$w && return 0
    done
    return 1
}
dismiss_message() {
    within 20 message_shown || fail "$1" "no message titled Tolvane"
    keys "$MESSAGE" Return
}

scenario_faults() {
    start_xvfb
    # Random bytes: told at start-up; the file is kept beside the new one.
    head -c 4096 /dev/urandom >"$SETTINGS"
    cp "$SETTINGS" "$WORK/random"
    start_program "$TOLVANE"
    dismiss_message unreadable
    keys "$(wait_window Tolvane)" alt+x
    wait_exit
    cmp -s "$SETTINGS".unreadable-* "$WORK/random" || fail unreadable "the file was not kept whole"
    grep -qx 'speed=500' "$SETTINGS" || fail unreadable "no new settings saved"

    # A folder that cannot be written, for a player who is not root: told when saving at exit.
    rm "$SETTINGS".unreadable-*
    printf '[Settings]\nspeed=300\n\n[Scores]\nscore%%201=42\nname%%201=Ann\n' >"$SETTINGS"
    cp "$SETTINGS" "$WORK/kept"
    chmod 755 "$WORK" "$XDG_CONFIG_HOME"
    chown -R nobody "$XDG_CONFIG_HOME/Tolvane" "$XDG_RUNTIME_DIR"
    chmod 555 "$XDG_CONFIG_HOME/Tolvane"
    start_program setpriv --reuid=nobody --regid=nogroup --clear-groups "$TOLVANE"
    keys "$(wait_window Tolvane)" alt+x
    dismiss_message unwritable
    wait_exit
    chmod 755 "$XDG_CONFIG_HOME/Tolvane"
    cmp -s "$SETTINGS" "$WORK/kept" || fail unwritable "the stored settings changed"
}

scenario_savekill() {
    export QT_QPA_PLATFORM=offscreen
    local stored=0 now last
    for i in $(seq 200); do
        "$SAVEHELPER" save $((i * 1000)) >"$WORK/saved" 2>/dev/null &
        # Start-up takes some 100 ms; after it, a save every 10 ms or so.
        sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.05 + r % 350 / 1000 }')"
        kill -9 $!
        wait $! 2>/dev/null || true
        now=$("$SAVEHELPER" check 2>/dev/null)
        last=$(tail -n1 "$WORK/saved")
        [[ "$now" =~ ^[0-9]+$ ]] || fail savekill "after kill $i the file is $now"
        [ "$now" -ge "$stored" ] || fail savekill "after kill $i the table went back to $now"
        [ "$now" -ge "${last:-0}" ] || fail savekill "after kill $i finished save $last is lost"
        stored=$now
    done
}

[ "${BASH_SOURCE[0]}" = "$0" ] || return 0
"scenario_$1"
echo "$1: passed"
