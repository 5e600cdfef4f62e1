#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# run.sh SCENARIO: the real program under a private X server, played as a person plays it.
#   desktop WM  the installed program under a window manager (openbox, xfwm4, kwin, mutter, icewm
#               or fluxbox):
#               every window, a game lost in round 3 with the keys and the mouse, the name
#               typed, the table stored; each window above the one it came from, with the
#               focus and centred, the focus back afterwards, dragging and the window switcher;
#               with no sound server, the X bell for each beep
#   endings     the program ended by signals, by XFCE's session manager and by a lost display
#   bare        the program on an X server with no window manager: only its main window shows
#   screenreader  a game played through the accessibility bus, as with a screen reader
#   wayland     the program on a Wayland session: it runs through XWayland
#   wine WM     the same walk through Tolvane.exe under Wine, under a window manager: every
#               Windows desktop has one, and Wine 10 takes a hidden window off the screen only
#               once a window manager says it has
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
WM=

fail() {
    echo "FAIL${WM:+ under $WM}: $*" >&2
    import -silent -window root "$ARTIFACTS/failure-$WM$1.png" 2>/dev/null || true
    exit 1
}
cleanup() {
    kill "${PIDS[@]}" $PROGRAM_PID 2>/dev/null || true
    # The program saves as it ends on SIGTERM; it is given a moment before the files go.
    [ -z "$PROGRAM_PID" ] || within 5 eval '! kill -0 $PROGRAM_PID 2>/dev/null' || kill -KILL $PROGRAM_PID
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
    read -r -t 10 display <&3 || fail xvfb "Xvfb did not start"
    export DISPLAY=":$display"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

start_wm() {
    WM=$1
    case $WM in
    openbox) openbox ;;
    xfwm4) xfwm4 --compositor=off ;;
    # KWin 6 takes its shortcuts, Alt+Tab among them, from kglobalacceld, which D-Bus does not
    # start by itself; KWin 5 has them built in.
    kwin) KWIN_COMPOSE=N dbus-run-session sh -c 'for daemon in /usr/lib/*/libexec/kglobalacceld; do
              [ ! -x "$daemon" ] || { "$daemon" & }; done; exec kwin_x11' ;;
    mutter) dbus-run-session mutter --x11 --replace ;;
    icewm | fluxbox) "$WM" ;;
    esac >"$WORK/wm.log" 2>&1 &
    PIDS+=($!)
    wait_wm
    # Every map and move of a window on the screen, as the X server tells them.
    xev -root -event substructure >"$WORK/moves" &
    PIDS+=($!)
}

wait_wm() {
    within 30 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' \
        || fail wm "the window manager did not start"
}

# As from a terminal: a script's background job would ignore SIGINT.
start_program() { env --default-signal=INT "$@" >"$WORK/program.log" 2>&1 & PROGRAM_PID=$!; }

# The visible window titled exactly $1: under a window manager one of its clients, so that a frame
# it draws (mutter's carry their window's title) is never taken for the window.
window_id() {
    local id
    [ -n "$WM" ] || { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; return; }
    for id in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] \
            && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && { echo $((id)); return; }
    done
    return 1
}
# Waits for a visible window titled exactly $1; prints its id.
wait_window() { within "${2:-20}" window_id "$1" || fail "${1// /}" "no window titled '$1'"; }
wait_window_gone() { within 20 eval "! window_id '$1' >/dev/null" || fail "${1// /}" "'$1' stayed open"; }
# X, Y, WIDTH and HEIGHT of a window's client area on the screen.
geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "X=" $4 }
        /Absolute upper-left Y/ { print "Y=" $4 } /Width:/ { print "WIDTH=" $2 }
        /Height:/ { print "HEIGHT=" $2 }')"
}

focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
# Keyboard focus on a window and the pointer in it; with no window manager, that is by hand.
focus() {
    geometry "$1"
    xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# The frame of window $1, title bar and borders included, is centred on the screen.
centred() {
    geometry "$1"
    xprop -id "$1" _NET_FRAME_EXTENTS | tr -c '0-9\n' ' ' | awk -v x="$X" -v y="$Y" -v w="$WIDTH" \
        -v h="$HEIGHT" '{ l = $1; r = $2; t = $3; b = $4 } END { dx = 2 * (x - l) + w + l + r - 1280
        dy = 2 * (y - t) + h + t + b - 1024; exit !(dx * dx <= 4 && dy * dy <= 4) }'
}
topmost() { [ $(($(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*$'))) = "$1" ]; }
# The outermost window around window $1 (its frame, under a window manager): "ID WIDTH HEIGHT".
outer_window() {
    local id=$1 parent
    while parent=$(xwininfo -id "$id" -tree | awk '/Parent window id/ { print $4 }') \
        && [ "$((parent))" != "$(($(xwininfo -root | awk '/Window id/ { print $4 }')))" ]; do
        id=$parent
    done
    xwininfo -id "$id" | awk '/Window id/ { id = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { print id, w, h }'
}
# Where window $1, a child of the root, moved since it first showed at its size $2 x $3 after
# it last mapped (a window manager may map a frame small before it places it), by the X
# server's own record of it in $WORK/moves: "(X,Y) to (X,Y)", or nothing.
moved_since_shown() {
    awk -v id="$1," -v w="$2" -v h="$3" '/^(MapNotify|ConfigureNotify)/ { kind = $1; getline
            if ($4 != id) next
            if (kind == "ConfigureNotify") { at = $5; sub(/,$/, "", at); sized = $7 + 0 == w && $9 + 0 == h }
            if (kind == "MapNotify") { mapped = 1; shown = ""; moved = "" }
            if (mapped && sized && shown == "") shown = at
            else if (mapped && sized && at != shown) moved = shown " to " at }
        END { print moved }' "$WORK/moves"
}
# Window $1, which the last input opened, into ID: a dialog transient for the main window, above
# the other windows, with the focus; of the Qt build it is also centred, and its frame has not
# moved since it mapped a second later (under Wine, where it goes is Wine's guess at the window
# manager's frame).
answered() {
    ID=$(wait_window "$1")
    local shown=$EPOCHREALTIME
    xprop -id "$ID" WM_TRANSIENT_FOR | grep -q "# $(printf 0x%x "$main")\$" \
        || fail "${1// /}" "'$1' is not transient for the main window"
    within 5 eval 'topmost "$ID" && focused "$ID"' \
        || fail "${1// /}" "'$1' not above with the focus: focus on $(xdotool getwindowfocus), above $(xprop -root _NET_CLIENT_LIST_STACKING)"
    [ -z "${WINEPREFIX:-}" ] || return 0
    within 5 centred "$ID" || fail "${1// /}" "'$1' is not centred: ${WIDTH}x$HEIGHT at $X,$Y in a frame of $(xprop -id "$ID" _NET_FRAME_EXTENTS)"
    sleep "$(awk -v shown="$shown" -v now="$EPOCHREALTIME" 'BEGIN { print (shown + 1 > now ? shown + 1 - now : 0) }')"
    local moved=$(moved_since_shown $(outer_window "$ID"))
    [ -z "$moved" ] || fail "${1// /}" "'$1' moved after it showed, from $moved"
}
# Keys $2 close window $1, and the main window has the focus back.
close_with() {
    xdotool key "$2"
    wait_window_gone "$1"
    within 5 focused "$main" || fail back "no focus back after '$1'"
}

# The program ends with exit code $1 (0 unless given).
wait_exit() {
    within 20 eval '! kill -0 "$PROGRAM_PID" 2>/dev/null' || fail exit "the program did not end"
    local code=0
    wait "$PROGRAM_PID" || code=$?
    [ "$code" = "${1:-0}" ] || fail exit "the program ended with exit code $code"
    PROGRAM_PID=
}

# A point of the main window's client area, given in twips, on the screen.
at_twips() { geometry "$1"; echo $((X + ($2 + 7) / 15)) $((Y + ${4:-0} + ($3 + 7) / 15)); }
click_twips() { xdotool mousemove $(at_twips "$@") click 1; }
# Presses at a point in twips and releases 100, 50 pixels further.
drag_twips() {
    local x y
    read -r x y < <(at_twips "$@")
    xdotool mousemove "$x" "$y" mousedown 1 sleep 0.1 mousemove $((x + 50)) $((y + 25)) \
        sleep 0.1 mousemove $((x + 100)) $((y + 50)) sleep 0.2 mouseup 1 sleep 0.5
}

# Middle of each arrow's stem in twips, and its key: up, right, down, left.
TILES=("3967 1027" "5227 2287" "3967 3547" "2707 2287")
KEYS=(Up Right Down Left)

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
        within 5 shows_arrow || fail arrow "no arrow shown"
        seen+=("$ARROW")
        within 5 eval '[ "$(arrow_on_show)" -lt 0 ]' || fail arrow "arrow $ARROW stays"
    done
    echo "${seen[@]}"
}

# Presses the tile of arrow $2 with the keys in an odd round $1, with the mouse in an even one.
# In the first round Tab moves the focus to the slider before the key comes up (and Shift+Tab
# back), so that the round goes on only if the release still reaches the game.
press() {
    if [ "$1" = 1 ]; then xdotool keydown "${KEYS[$2]}" key Tab keyup "${KEYS[$2]}" key shift+Tab
    elif [ $(($1 % 2)) = 1 ]; then xdotool key "${KEYS[$2]}"
    else click_twips "$main" ${TILES[$2]} "$menu"; fi
}

# Plays rounds 1 to $1 without a mistake (a mistake would end the game before the next round
# shows), then presses a wrong tile first in the next round.
play_then_lose() {
    local round arrow sequence
    for round in $(seq "$1"); do
        read -r -a sequence <<<"$(watch_round "$round")"
        for arrow in "${sequence[@]}"; do press "$round" "$arrow"; done
    done
    read -r -a sequence <<<"$(watch_round $(($1 + 1)))"
    press $(($1 + 1)) $(((sequence[0] + 1) % 4))
}

# The main window freshly started: dragged by its empty area, by 100, 50 pixels, and not by
# Start Game or a tile; reached again by Alt+Tab from a window that covers it.
move_and_switch() {
    geometry "$main"
    local x0=$X y0=$Y cover
    drag_twips "$main" 7500 3600 "$menu"
    drag_twips "$main" 7927 2347 "$menu"
    drag_twips "$main" ${TILES[0]} "$menu"
    geometry "$main"
    [ "$X,$Y" = "$((x0 + 100)),$((y0 + 50))" ] || fail drag "moved to $X,$Y from $x0,$y0"
    # xfwm4 leaves windows without a task-bar button out of its switcher.
    [ "$WM" != xfwm4 ] || return 0
    xmessage -geometry 1280x1024+0+0 -title Cover cover &
    PIDS+=($!)
    cover=$(wait_window Cover)
    within 5 focused "$cover" || fail switch "the covering window has no focus"
    xdotool keydown alt sleep 0.2 key Tab sleep 0.2 keyup alt
    within 5 focused "$main" || fail switch "Alt+Tab does not reach the game"
    kill "${PIDS[-1]}"
}

# The main window, a game of $1 rounds and a wrong press, the name $2 typed, the new row blue,
# Enter starting the next game, the About window, and the exit.
walk() {
    main=$(wait_window Tolvane 60)
    geometry "$main"
    menu=$((HEIGHT - 293))
    [ "$WIDTH" -eq 625 ] && [ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] \
        || fail main "not a 625 x 293 client area below a menu bar: ${WIDTH}x$HEIGHT"
    centred "$main" || fail main "not centred"
    move_and_switch
    xdotool key alt+h
    answered "Playing Instructions"
    close_with "Playing Instructions" Return
    xdotool key Return # Start Game has the focus
    play_then_lose "$1"
    answered "Game Over"
    xdotool key Return
    answered "New high score!"
    xdotool type --delay 120 "$2"
    xdotool key Return
    answered "High Scores"
    import -silent -window root "$ARTIFACTS/highscores-$WM${WINEPREFIX:+-wine}.png"
    close_with "High Scores" Return # CLOSE has the focus
    xdotool key alt+s
    answered "High Scores"
    close_with "High Scores" space
    xdotool key Return
    watch_round 1 >/dev/null
    xdotool key alt+a
    answered "About Tolvane"
    close_with "About Tolvane" Escape
    xdotool key alt+x
    wait_exit
}

# Value $1 is stored as $2: in the registry under Wine, else in the settings file.
stored() {
    if [ -n "${WINEPREFIX:-}" ]; then grep -qxF "\"$1\"=\"$2\"" "$WINEPREFIX/user.reg"
    else grep -qxF "${1// /%20}=$2" "$SETTINGS"; fi
}

scenario_desktop() {
    # The program as installed, not as built.
    cmake --install "$TOLVANE_BUILD" --prefix "$WORK/prefix" >/dev/null
    printf '[Settings]\nspeed=1\n' >"$SETTINGS" # 999 ms an arrow: the slowest
    start_xvfb
    start_wm "$1"
    # With no sound server each beep rings the X bell: xkbevd counts the rings.
    xkbevd -cfg <(echo "Bell() shell \"echo >>$WORK/bells\"") >/dev/null 2>&1 & PIDS+=($!)
    start_program "$WORK/prefix/games/tolvane"
    # xdotool types capitals only of ASCII letters.
    local name='Zoë & Jürgen' started=$(LC_ALL=C date +%d-%b-%y)
    walk 2 "$name"
    [ "$(wc -l <"$WORK/bells")" -ge 6 ] || fail bell "rounds 1 and 2 did not ring the X bell 6 times"
    stored speed 1 && stored "score 1" 2 && stored "name 1" "$name" || fail stored "not stored"
    # The game may end on the day after it started.
    grep -qxE "date%201=($started|$(LC_ALL=C date +%d-%b-%y))" "$SETTINGS" || fail stored "wrong date"
}

# The program ended other than by its Exit, with a table of one row stored, each time just after
# the slider went from 500 to 800 (before it rested long enough to be stored): by SIGTERM, also
# with Help open, by SIGHUP, by SIGINT, by its X server going away, by XFCE's session manager's
# logout, and killed once that session manager has had it save. The speed is kept, and the table;
# a name prompt open at SIGTERM, after a game at the speed stored, enters nothing.
scenario_endings() {
    local way
    for way in TERM TERM-help HUP INT display save logout prompt; do
        printf '[Scores]\nscore%%201=9\nname%%201=Nine\n[Settings]\nspeed=500\n' >"$SETTINGS"
        start_xvfb
        if [[ $way = save || $way = logout ]]; then start_session; else start_wm openbox; fi
        WM="$WM, $way"
        start_program "$TOLVANE_BUILD/platform/qt/tolvane"
        main=$(wait_window Tolvane 30)
        within 5 focused "$main" || fail focus "the main window has no focus"
        geometry "$main"
        menu=$((HEIGHT - 293))
        local speed=800
        [ "$way" != prompt ] || { speed=500; xdotool key Return; play_then_lose 1; }
        [ "$way" = prompt ] || xdotool key Tab Next Next Next sleep 0.15
        case $way in
        TERM-help) xdotool key alt+h; wait_window "Playing Instructions" >/dev/null; kill -TERM $PROGRAM_PID ;;
        display) kill "${PIDS[0]}"; wait_exit 1 ;;
        save) local changes=$(grep -c StateChanged "$WORK/states")
            session Checkpoint string: >/dev/null
            # Killed at once, before the slider has rested long enough to store the speed.
            timeout 5 bash -c 'until [ $(grep -c StateChanged "$1") = $2 ]; do sleep 0.01; done' \
                _ "$WORK/states" $((changes + 2)) || fail sm "no checkpoint"
            kill -KILL $PROGRAM_PID; wait_exit 137 ;;
        logout) xfce4-session-logout --logout ;;
        prompt) answered "Game Over"; xdotool key Return; answered "New high score!"
            xdotool type Zed; kill -TERM $PROGRAM_PID ;;
        *) kill -$way $PROGRAM_PID ;;
        esac
        [ -z "$PROGRAM_PID" ] || wait_exit
        stored speed $speed && stored "name 1" Nine && ! grep -q Zed "$SETTINGS" || fail stored "$(cat "$SETTINGS")"
        kill "${PIDS[@]}" 2>/dev/null || true
        PIDS=()
        unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
    done
}

# An XFCE session with xfwm4, on a D-Bus of its own, whose session manager the program joins:
# the session manager's address and the bus are those the window manager it started was given.
start_session() {
    WM=xfwm4
    # A session an earlier checkpoint saved would start its programs again.
    rm -rf "$HOME/.cache/sessions"
    mkdir -p "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
    cp "$(dirname "${BASH_SOURCE[0]}")/xfce4-session.xml" "$_"
    # Ending the session manager, not dbus-run-session, ends the bus and the services it started.
    # No system folders: nothing of the machine's starts with the session (a sound server, a
    # screen saver, the settings daemon that sets the keyboard while the test types).
    XDG_CONFIG_DIRS="$WORK/none" dbus-run-session -- sh -c 'echo $$ >"$1"; exec xfce4-session' \
        sh "$WORK/session" >"$WORK/session.log" 2>&1 &
    local wm
    within 20 eval '[ -s "$WORK/session" ] && wm=$(pgrep -x -P "$(cat "$WORK/session")" xfwm4)' \
        || fail session "no session: $(cat "$WORK/session.log")"
    PIDS+=($(cat "$WORK/session"))
    eval "$(tr '\0' '\n' <"/proc/$wm/environ" | sed -n 's/^\(SESSION_MANAGER\|DBUS_SESSION_BUS_ADDRESS\)=/export &/p')"
    # A checkpoint changes the session's state twice: from idle and back.
    stdbuf -oL dbus-monitor "type='signal',interface='org.xfce.Session.Manager',member='StateChanged'" \
        >"$WORK/states" 2>/dev/null &
    PIDS+=($!)
    within 20 eval 'session GetState | grep -qx "   uint32 1"' || fail session "the session did not start"
    wait_wm
}
# Calls method $1 of the XFCE session manager, with arguments $2...
session() {
    dbus-send --session --print-reply --dest=org.xfce.SessionManager /org/xfce/SessionManager \
        "org.xfce.Session.Manager.$1" "${@:2}"
}

# With no window manager the main window is the only one that shows, a second after it mapped.
scenario_bare() {
    start_xvfb
    start_program "$TOLVANE_BUILD/platform/qt/tolvane"
    wait_window Tolvane 30 >/dev/null
    sleep 1
    local shown=$(xdotool search --onlyvisible --class '^tolvane$' 2>/dev/null | wc -l)
    [ "$shown" = 1 ] || fail bare "$shown windows show"
}

# A game played through the accessibility bus, as a screen reader's user plays it, under openbox
# on a D-Bus session of its own with a screen reader said to be running.
scenario_screenreader() {
    printf '[Settings]\nspeed=800\n' >"$SETTINGS"
    start_xvfb
    start_wm openbox
    dbus-run-session -- sh -c 'dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null && { "$1" & exec /usr/bin/python3 "$2" Ann; }' sh \
        "$TOLVANE_BUILD/platform/qt/tolvane" "${SCREENREADER_PY:-$(dirname "${BASH_SOURCE[0]}")/screenreader.py}" \
        >"$WORK/program.log" 2>&1 || fail screenreader "$(cat "$WORK/program.log")"
}

# On a Wayland session (weston's, with no screen) the game runs through XWayland.
scenario_wayland() {
    export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tolvane-test
    weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" >"$WORK/weston.log" 2>&1 &
    PIDS+=($!)
    within 10 grep -q 'xserver listening' "$WORK/weston.log" || fail weston "no XWayland"
    export DISPLAY=$(grep -o 'listening on display :[0-9]*' "$WORK/weston.log" | cut -d' ' -f4)
    start_program "$TOLVANE_BUILD/platform/qt/tolvane"
    wait_window Tolvane 30 >/dev/null
}

# Wine in a prefix of its own, on a new X server under window manager $1.
start_wine() {
    export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    start_xvfb
    start_wm "$1"
}

scenario_wine() {
    start_wine "$1"
    "$WINE" reg add 'HKCU\Software\Tolvane\Tolvane\Settings' /v speed /d 1 /f >/dev/null 2>&1
    wineserver -w
    start_program "$WINE" "$TOLVANE_EXE"
    walk 2 "Ann & Bo"
    wineserver -w
    stored speed 1 && stored "score 1" 2 && stored "name 1" "Ann & Bo" || fail registry "not stored"
}

# Tolvane.exe ended by Windows' logout and shutdown (wineboot --end-session, the latter with
# --shutdown), just after the slider went from 500 to 800, once with Help open: the speed is kept.
scenario_wine_endings() {
    start_wine "$1"
    local way
    for way in logout shutdown help; do
        "$WINE" reg add 'HKCU\Software\Tolvane\Tolvane\Settings' /v speed /d 500 /f >/dev/null 2>&1
        start_program "$WINE" "$TOLVANE_EXE"
        main=$(wait_window Tolvane 60)
        within 5 focused "$main" || fail focus "the main window has no focus"
        xdotool key Tab Next Next Next sleep 0.15
        [ "$way" != help ] || { xdotool key alt+h; wait_window "Playing Instructions" >/dev/null; }
        "$WINE" wineboot --end-session $([ "$way" != shutdown ] || echo --shutdown) >/dev/null 2>&1
        within 20 eval '! kill -0 "$PROGRAM_PID" 2>/dev/null' || fail "$way" "the program did not end"
        PROGRAM_PID=
        wineserver -w
        stored speed 800 || fail "$way" "the speed was not stored"
    done
}

[ "${BASH_SOURCE[0]}" = "$0" ] || return 0
"scenario_$1" "${@:2}"
echo "$*: passed"
