#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# windows.sh: builds Tolvane.exe for 32-bit Windows with mingw-w64, checks its imports and runs
# its tests under Wine: the logic tests as Windows programs and a game played under openbox on
# Xvfb. On a machine that cannot run 32-bit programs, or where 32-bit Wine cannot be installed,
# the tests run on a 64-bit build of the same sources under 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" -eq 0 ] && dpkg --add-architecture i386 || sudo dpkg --add-architecture i386
fi
install_missing cmake ninja-build doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 \
    xvfb xauth xdotool x11-utils imagemagick openbox
# 32-bit Wine needs the i386 package lists, which a mirror in mid-sync can lack; the tests then
# take the 64-bit way below.
install_missing wine32 || echo "32-bit Wine could not be installed"

build() {   # preset: win32 or win64
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$(nproc)"
}

build win32
ls -l build-win32/platform/win32/Tolvane.exe
ctest --test-dir build-win32 -R '^imports$' --output-on-failure

# Whether this machine has 32-bit Wine and runs it: try it.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    tested=build-win32 arch=win32
    echo "Windows tests: the shipped 32-bit build under 32-bit Wine"
else
    /usr/lib/wine/wine64 --version >/dev/null || { echo "FAIL: neither 32-bit nor 64-bit Wine runs here"; exit 1; }
    build win64
    tested=build-win64 arch=win64
    echo "Windows tests: a 64-bit build under 64-bit Wine (no 32-bit Wine runs here)"
fi

export WINEPREFIX="$PWD/$tested/wine" WINEARCH=$arch WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT
# The logic tests need no display; the game test brings its own X server and Wine prefix.
env -u DISPLAY ctest --test-dir "$tested" -E '^imports$' --output-on-failure
