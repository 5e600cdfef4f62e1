#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# screen.sh: arrow timing as the player sees it, taken from the X server's damage events by
# screentiming, for Tolvane and the minimal Qt program beside it in the same run: quietly, and
# again while a helper pauses each program for 40 ms at random moments (SIGSTOP, SIGCONT).
# Usage: bench/screen.sh [BUILD_DIR [SCREENTIMING_DIR [ROUNDS]]]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
tool=$(cd "${2:-$(dirname "$0")/../../shared/tools/screentiming}" && pwd)
rounds=${3:-20}
source "$(dirname "$0")/../scripts/deps.sh"
install_missing libxdamage-dev libxfixes-dev libxtst-dev
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cc -O2 -Wall -o "$work/screentiming" "$tool/screentiming.c" -lX11 -lXdamage -lXfixes -lXtst -lm
g++ -O2 -fPIC -o "$work/floor" "$tool/screentiming-floor.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets)
ln -s "$build/platform/qt/tolvane" "$work/tolvane"

# The same program, held up for 40 ms every 100 to 500 ms while it runs.
for program in tolvane floor; do
    cat >"$work/$program-paused" <<SH
#!/usr/bin/env bash
( sleep 1
  while kill -0 \$\$ 2>/dev/null; do
      sleep 0.\$((RANDOM % 400 + 100)); kill -STOP \$\$; sleep 0.04; kill -CONT \$\$
  done ) &
exec "$work/$program"
SH
    chmod +x "$work/$program-paused"
done

# Per program and speed from the CSV: the shortest time an arrow was on screen, and the
# shortest blank between two arrows of a round.
shortest() {
    awk -F, '$5 == "appear" || $5 == "hide" {
        key = $1 "," $2; at = $8; id = $3 "," $4
        if (id == last_id && $5 == "appear") off[key] = min(off[key], at - t)
        if (id == last_id && $5 == "hide") on[key] = min(on[key], at - t)
        t = at; last_id = id
    }
    function min(a, b) { return a == "" || b < a ? b : a }
    END { for (k in on) printf "%s %.1f %.1f\n", k, on[k], off[k] }' "$1"
}

# Per program and speed from the tool's report: p50 of the appear and hide errors, the mean
# drift over rounds of 10 arrows or more, and the p50 from a press to the sunken tile.
report() {
    awk '/ speed [0-9]+ \(interval/ { prog = $1; speed = $3; hide = "" }
        /appear \(arrow 2/ { appear = $(NF - 6) }
        /^  hide / && hide == "" { hide = $(NF - 6) }
        /drift, rounds >= 10/ { drift = $NF }
        /press -> sunken paint \(receipt\)/ { printf "%s,%s %s %s %s %s\n", prog, speed, appear, hide, drift, $(NF - 6) }' "$1"
}

for mode in quiet paused; do
    suffix=; [ "$mode" = paused ] && suffix=-paused
    "$work/screentiming" -s 950,500 -r "$rounds" -o "$work/$mode.csv" \
        "$work/tolvane$suffix" "$work/floor$suffix" >"$work/$mode.txt"
    join <(report "$work/$mode.txt" | sort) <(shortest "$work/$mode.csv" | sort) \
        | sed "s/^/$mode /"
done >"$work/figures"

echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg), $(date +%F)"
echo "| run | program | interval (ms) | appear / hide error p50 (ms) | drift (ms) | press to paint p50 (ms) | shortest on / off (ms) |"
echo "|---|---|---|---|---|---|---|"
awk '{ split($2, k, ","); n = split(k[1], p, "/"); sub(/-paused$/, "", p[n])
       printf "| %s | %s | %d | %s / %s | %s | %s | %s / %s |\n", $1, p[n], 1000 - k[2], $3, $4, $5, $6, $7, $8 }' \
    "$work/figures"
