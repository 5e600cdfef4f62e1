# SPDX-License-Identifier: MIT
# lib.sh: a private X server, the program under it, and waiting for what a player would see.
# Sourced by the end-to-end tests; they set TOLVANE (the program) and ARTIFACTS (a folder).
set -euo pipefail

WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_CONFIG_HOME" "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$ARTIFACTS"
PROGRAM_PID=
XVFB_PID=
SOUND_PID=
# No sound server unless a test starts its own.
export PULSE_SERVER="unix:$WORK/no-sound-server"

fail() {
    echo "FAIL: $*" >&2
    screenshot "failure-$(basename "$0" .sh)" || true
    cp "$WORK/program.log" "$ARTIFACTS/failure-$(basename "$0" .sh).log" 2>/dev/null || true
    exit 1
}

cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "$SOUND_PID" ] && kill "$SOUND_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

start_xvfb() {
    exec 3<> <(:)
    # -noreset: a program that starts just as the last client leaves must find the server up.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local display=
    for _ in $(seq 100); do
        display=$(head -n1 <&3 2>/dev/null || true)
        [ -n "$display" ] && break
        sleep 0.1
    done
    [ -n "$display" ] || fail "Xvfb did not start"
    export DISPLAY=":$display"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# A private sound server whose sink "null" plays nowhere; its monitor "null.monitor" can be
# recorded. No X bell module: an X bell standing in for a beep goes unheard.
start_sound_server() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
        -L "module-null-sink sink_name=null" \
        -L "module-native-protocol-unix socket=$WORK/pulse.sock auth-anonymous=1" \
        >"$WORK/pulse.log" 2>&1 &
    SOUND_PID=$!
    export PULSE_SERVER="unix:$WORK/pulse.sock"
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || fail "no sound server: $(cat "$WORK/pulse.log")"
    # An idle sink's monitor skips the silence; played silence keeps it in real time.
    pacat -p --raw --rate=8000 --channels=1 --format=s16le </dev/zero &
}

start_program() {
    "$TOLVANE" >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
}

# Waits up to $2 seconds (default 20) for a visible window titled exactly $1; prints its id.
wait_window() {
    local id
    for _ in $(seq $(( ${2:-20} * 10 ))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    fail "no window titled '$1'"
}

wait_window_gone() {
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' stayed open"
}

# Waits for the program to end; checks its exit code.
wait_exit() {
    for _ in $(seq 200); do
        if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
            local rc=0
            wait "$PROGRAM_PID" || rc=$?
            PROGRAM_PID=
            [ "$rc" -eq 0 ] || fail "program ended with exit code $rc"
            return 0
        fi
        sleep 0.1
    done
    fail "program did not end"
}

# Pointer into the window and keyboard focus on it; with no window manager, that is by hand.
focus() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

screenshot() {
    import -silent -window root "$ARTIFACTS/$1.png"
}

# Colour of one screen pixel as rrggbb.
pixel() {
    import -silent -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}' | tr -d '#'
}

# Text in a screen rectangle (x y width height), read by OCR; scaled up, as small text reads badly.
read_text() {
    import -silent -window root -crop "$3x$4+$1+$2" +repage -resize 400% -colorspace Gray "$WORK/ocr.png"
    tesseract "$WORK/ocr.png" - --psm 7 2>/dev/null | tr -d '\f' | sed 's/[[:space:]]*$//'
}

# Clicks at a point given in twips of the window's client area.
click_twips() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + ($2 + 7) / 15)) $((Y + ${4:-0} + ($3 + 7) / 15)) click 1
}

settings_file() {
    echo "$XDG_CONFIG_HOME/Tolvane/Tolvane.conf"
}

# The colours (rrggbb) of several points of a window, taken from one capture: "x,y x,y ...".
pixels_of() {
    local window=$1
    shift
    local format=
    for point in "$@"; do format+="%[hex:p{$point}] "; done
    import -silent -window "$window" -depth 8 "$WORK/capture.png" 2>/dev/null
    convert "$WORK/capture.png" -format "$format" info: 2>/dev/null
}

# Middle of each arrow's stem, in window pixels: up, right, down, left.
# The main window's arrows, for a window $main whose menu bar is $menu pixels high.
tiles_twips=("3967 1027" "5227 2287" "3967 3547" "2707 2287")

# The arrow on show, -1 for none: a black pixel in the middle of a stem.
arrow_on_show() {
    local stems=("264,$((72 + menu))" "344,$((152 + menu))" "264,$((232 + menu))" "184,$((152 + menu))")
    local colours i=0
    read -r -a colours <<<"$(pixels_of "$main" "${stems[@]}")"
    for c in "${colours[@]}"; do
        [ "${c:0:6}" = "000000" ] && { echo $i; return; }
        i=$((i + 1))
    done
    echo -1
}

# Watches one round of n arrows; prints them.
watch_round() {
    local seen=() arrow
    while [ ${#seen[@]} -lt "$1" ]; do
        for _ in $(seq 100); do
            arrow=$(arrow_on_show)
            [ "$arrow" -ge 0 ] && break
            sleep 0.05
        done
        [ "$arrow" -ge 0 ] || fail "no arrow shown"
        seen+=("$arrow")
        for _ in $(seq 100); do
            [ "$(arrow_on_show)" -lt 0 ] && break
            sleep 0.05
        done
    done
    echo "${seen[@]}"
}

# The score label of the main window $main, read by OCR.
score_text() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    read_text $((X + 536)) $((Y + menu + 40)) 89 33
}

# Plays rounds 1 to $1 of the game under way in $main without a mistake, checking the score
# after each, then watches the next round and clicks a wrong tile first.
play_then_lose() {
    local round arrow sequence=()
    for round in $(seq "$1"); do
        read -r -a sequence <<<"$(watch_round "$round")"
        [ ${#sequence[@]} -eq "$round" ] || fail "round $round showed ${sequence[*]}"
        for arrow in "${sequence[@]}"; do
            click_twips "$main" ${tiles_twips[$arrow]} "$menu"
        done
        for _ in $(seq 50); do [ "$(score_text)" = "$round" ] && break; sleep 0.1; done
        [ "$(score_text)" = "$round" ] || fail "score after round $round reads '$(score_text)'"
    done
    read -r -a sequence <<<"$(watch_round $(($1 + 1)))"
    click_twips "$main" ${tiles_twips[$(( (sequence[0] + 1) % 4 ))]} "$menu"
}
