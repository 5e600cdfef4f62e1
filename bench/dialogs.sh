#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# dialogs.sh: under each window manager the end-to-end tests use, the time from a dialog's
# showing until the X server maps it, the program's placed dialog against a plain Qt dialog.
# Usage: bench/dialogs.sh [BUILD_DIR] [ROUNDS]
build=$(cd "${1:-build}" && pwd)
rounds=${2:-21}
export ARTIFACTS="$build/artifacts"
source "$(dirname "$0")/../tests/e2e/run.sh"

echo "| window manager | placed p50 / max (ms) | plain Qt p50 / max (ms) | p50 difference (ms) |"
echo "|---|---|---|---|"
for wm in ${WMS:-openbox xfwm4 kwin mutter icewm fluxbox}; do
    (
        # The X server last, once its clients have gone.
        trap 'kill "${PIDS[@]:1}"; wait "${PIDS[@]:1}" || true; kill "${PIDS[0]}"' EXIT
        start_xvfb
        start_wm "$wm"
        read -r placed plain placed_max plain_max < <("$build/bench/dialogmap" "$rounds")
        echo "| $wm | $placed / $placed_max | $plain / $plain_max |" \
            "$(awk -v a="$placed" -v b="$plain" 'BEGIN { printf "%.2f", a - b }') |"
    )
done
