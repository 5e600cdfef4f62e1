#!/usr/bin/env bash
# render.sh: redraws the icons in this folder. Needs only what the build needs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
g++ -std=c++20 -Wall -Wextra -fPIC "$here/render_icons.cpp" -o "$build/render_icons" \
    $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$build/render_icons" "$here"
