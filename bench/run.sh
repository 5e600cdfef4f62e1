#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# run.sh: measures Tolvane against the toolkit floor and prints a table.
# Usage: bench/run.sh [--smoke] [BUILD_DIR]   (--smoke: a few short runs, to see that it works)
runs=11 idle=10 arrows=200 rounds=1000 beeps=50
if [ "${1:-}" = "--smoke" ]; then
    runs=3 idle=2 arrows=6 rounds=100 beeps=3
    shift
fi
build=$(cd "${1:-build}" && pwd)
export TOLVANE="$build/platform/qt/tolvane" ARTIFACTS="$build/artifacts"
source "$(dirname "$0")/../tests/e2e/run.sh"
start_xvfb

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
    # An idle sink's monitor skips the silence; played silence keeps it in real time. At a
    # short latency of its own, so that the sink's latency does not follow the monitor's.
    pacat -p --latency-msec=5 --raw --rate=8000 --channels=1 --format=s16le </dev/zero &
    PIDS+=($!)
    # A fresh sink plays the first stream after that about 200 ms late, whoever sends it.
    head -c 800 /dev/zero | pacat -p --raw --rate=8000 --channels=1 --format=s16le
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
cpu_ms() { awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) * 1000 / hz }' "/proc/$1/stat"; }
switches() { awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$1/status"; }
mib() { awk -v k="$1:" '$1 == k { printf "%.1f", $2 / 1024 }' "/proc/$2/smaps_rollup"; }

# Prints "cpu_ms wakeups" over $idle seconds of the process $1 doing nothing.
idle_cost() {
    local cpu=$(cpu_ms "$1") woke=$(switches "$1")
    sleep "$idle"
    echo "$(( $(cpu_ms "$1") - cpu )) $(( $(switches "$1") - woke ))"
}

# Ends a process that is not this shell's child.
stop() {
    kill "$1" 2>/dev/null || true
    while kill -0 "$1" 2>/dev/null; do sleep 0.02; done
}

# Starts $2 and waits for its window $1 to map; prints "ms pid".
launch() { "$build/bench/mapwait" "$1" "$2"; }

tolvane_times=() baseline_times=() ratios=()
for _ in $(seq "$runs"); do
    rm -rf "$XDG_CONFIG_HOME/Tolvane"
    read -r t pid < <(launch Tolvane "$TOLVANE"); stop "$pid"
    read -r b pid < <(launch Baseline "$build/bench/baseline"); stop "$pid"
    tolvane_times+=("$t") baseline_times+=("$b")
    ratios+=("$(awk -v t="$t" -v b="$b" 'BEGIN { printf "%.2f", t / b }')")
done
t_median=$(printf '%s\n' "${tolvane_times[@]}" | median)
b_median=$(printf '%s\n' "${baseline_times[@]}" | median)
r_median=$(printf '%s\n' "${ratios[@]}" | median)

# Memory one second after mapping, and idle cost, for each program.
read -r _ tpid < <(launch Tolvane "$TOLVANE")
read -r _ bpid < <(launch Baseline "$build/bench/baseline")
sleep 1
t_rss=$(mib Rss "$tpid") t_pss=$(mib Pss "$tpid")
b_rss=$(mib Rss "$bpid") b_pss=$(mib Pss "$bpid")
read -r t_idle_cpu t_idle_wake < <(idle_cost "$tpid")
read -r b_idle_cpu b_idle_wake < <(idle_cost "$bpid")
stop "$bpid"

# Idle after a game over: one arrow, a wrong click, the box dismissed.
PROGRAM_PID=$tpid
main=$(wait_window Tolvane)
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 293))
click_twips "$main" 7927 2347 "$menu"
read -r -a shown <<<"$(watch_round 1)"
click_twips "$main" ${TILES[$(( (shown[0] + 1) % 4 ))]} "$menu"
box=$(wait_window "Game Over")
focus "$box"
xdotool key Return
wait_window_gone "Game Over"
read -r g_idle_cpu g_idle_wake < <(idle_cost "$tpid")
stop "$tpid"
PROGRAM_PID=

playback() { QT_QPA_PLATFORM=offscreen "$build/bench/bench_playback" "$1" "$arrows"; }
read -r _ _ p50_50 p99_50 max_50 drift_50 < <(playback 50)
read -r _ _ p50_500 p99_500 max_500 drift_500 < <(playback 500)
start_sound_server
read -r first_p50 first_p99 first_max beep_p50 beep_p99 beep_max < <(QT_QPA_PLATFORM=offscreen "$build/bench/beepdelay" null.monitor "$beeps")
# A program only opened and closed never reaches the sound server; a game's start does.
clients() { pactl list clients | grep -c 'application.name = "Tolvane"' || true; }
read -r _ pid < <(launch Tolvane "$TOLVANE")
sleep 1
clients_opened=$(clients)
main=$(wait_window Tolvane)
focus "$main"
xdotool key Return
sleep 1
clients_started=$(clients)
stop "$pid"
read -r start_ms start_ns _ game_ms game_ns < <(QT_QPA_PLATFORM=offscreen "$build/bench/bench_logic" "$rounds")

cat <<TABLE
| measure | Tolvane | baseline | goal |
|---|---|---|---|
| start-up to mapped window, median of $runs (ms) | $t_median | $b_median | paired ratio $r_median, within 1.2 |
| resident / proportional set size 1 s after mapping (MiB) | $t_rss / $t_pss | $b_rss / $b_pss | within 2 MiB |
| CPU time / wake-ups over ${idle} s idle after start-up | $t_idle_cpu ms / $t_idle_wake | $b_idle_cpu ms / $b_idle_wake | as the baseline |
| CPU time / wake-ups over ${idle} s idle after a game over | $g_idle_cpu ms / $g_idle_wake | | as the baseline |
| playback at 50 ms, $arrows arrows: error p50 / p99 / max, drift (ms) | $p50_50 / $p99_50 / $max_50, $drift_50 | | p99 within 2, no drift |
| playback at 500 ms, $arrows arrows: error p50 / p99 / max, drift (ms) | $p50_500 / $p99_500 / $max_500, $drift_500 | | p99 within 2, no drift |
| beep call to its first sample at the sound server's sink, $beeps beeps: p50 / p99 / max (ms) | $beep_p50 / $beep_p99 / $beep_max | | within 20 |
| the same for the first beep of a new bell, 500 ms after a game's start prepared it, $beeps bells: p50 / p99 / max (ms) | $first_p50 / $first_p99 / $first_max | | within 20 |
| connections to the sound server 1 s after start-up / 1 s after Start Game | $clients_opened / $clients_started | | 0 / 1 |
| drawing a 32000-arrow sequence (ms; ns an arrow) | $start_ms; $start_ns | | |
| a whole $rounds-round game on the fake platform (ms; ns an arrow shown or clicked) | $game_ms; $game_ns | | |
TABLE
