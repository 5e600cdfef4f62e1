#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# render.sh: renders the two icons from their SVG sources into the PNG and .ico files beside
# them, which are committed so that a build needs no renderer. Needs librsvg2-bin and icoutils.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" tolvane.svg -o "tolvane-$size.png"
done
for size in 16 24 32 48 64; do
    rsvg-convert -w "$size" -h "$size" information.svg -o "information-$size.png"
done
# Windows takes the 256-pixel image as PNG inside the .ico.
icotool -c -o tolvane.ico tolvane-16.png tolvane-24.png tolvane-32.png tolvane-48.png \
    -r tolvane-256.png
icotool -c -o information.ico information-16.png information-24.png information-32.png \
    information-48.png
