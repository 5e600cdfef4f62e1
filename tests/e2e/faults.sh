#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# faults.sh: a settings file of random bytes, and a settings folder that cannot be written:
# the player is told, plays on, and nothing stored is lost.
source "$(dirname "$0")/lib.sh"
start_xvfb
file=$(settings_file)
folder=$(dirname "$file")
mkdir -p "$folder"

# Waits for the message titled "Tolvane" (not the main window, which is 625 wide), then OK.
dismiss_message() {
    local id=
    for _ in $(seq 200); do
        for w in $(xdotool search --onlyvisible --name '^Tolvane$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$w")"
            [ "$WIDTH" -ne 625 ] && id=$w
        done
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no message titled Tolvane"
    screenshot "$1"
    focus "$id"
    xdotool key Return
}

# Random bytes: told at start-up; the file is kept beside the new one.
head -c 4096 /dev/urandom >"$file"
cp "$file" "$WORK/random"
start_program
dismiss_message message-unreadable
main=$(wait_window Tolvane)
focus "$main"
xdotool key alt+x
wait_exit
kept=$(ls "$folder"/Tolvane.conf.unreadable-* 2>/dev/null | head -n1)
[ -n "$kept" ] && cmp -s "$kept" "$WORK/random" || fail "the unreadable file was not kept whole"
grep -qx 'speed=500' "$file" || fail "no new settings saved"
rm -f "$kept"

# A folder that cannot be written, for a player who is not root: told when saving at exit.
printf '[Settings]\nspeed=300\n\n[Scores]\nscore%%201=42\nname%%201=Ann\n' >"$file"
cp "$file" "$WORK/kept"
chmod 755 "$WORK" "$XDG_CONFIG_HOME"
chown -R nobody "$folder" "$XDG_RUNTIME_DIR"
chmod 555 "$folder"
setpriv --reuid=nobody --regid=nogroup --clear-groups "$TOLVANE" >"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
main=$(wait_window Tolvane)
focus "$main"
xdotool key alt+x
dismiss_message message-unwritable
wait_exit
cmp -s "$file" "$WORK/kept" || fail "the stored settings changed"
chmod 755 "$folder"
echo "faults: passed"
