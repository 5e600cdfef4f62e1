#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# windows.sh: builds Tolvane.exe for 32-bit Windows with mingw-w64, checks its imports and runs
# its tests under Wine: the logic tests as Windows programs and a game played under openbox on
# Xvfb. On a machine that cannot run 32-bit programs (and so no 32-bit Wine), the tests run on a
# 64-bit build of the same sources under 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" -eq 0 ] && dpkg --add-architecture i386 || sudo dpkg --add-architecture i386
fi
install_missing cmake ninja-build doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32 wine64 \
    xvfb xauth xdotool x11-utils imagemagick openbox

build() {   # preset: win32 or win64
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$(nproc)"
}

build win32
ls -l build-win32/platform/win32/Tolvane.exe
ctest --test-dir build-win32 -R '^imports$' --output-on-failure

# Whether this machine runs 32-bit programs: try one.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    tested=build-win32 arch=win32
    echo "Windows tests: the shipped 32-bit build under 32-bit Wine"
else
    /usr/lib/wine/wine64 --version >/dev/null || { echo "FAIL: neither 32-bit nor 64-bit Wine runs here"; exit 1; }
    build win64
    tested=build-win64 arch=win64
    echo "Windows tests: a 64-bit build under 64-bit Wine (this machine runs no 32-bit programs)"
fi

export WINEPREFIX="$PWD/$tested/wine" WINEARCH=$arch WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT
# The logic tests need no display; the game test brings its own X server and Wine prefix.
env -u DISPLAY ctest --test-dir "$tested" -E '^imports$' --output-on-failure
