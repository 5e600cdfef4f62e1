#!/usr/bin/env bash
# windows.sh: builds Tolvane.exe for 32-bit Windows with mingw-w64 and runs its tests under
# Wine: the logic tests as Windows programs, its imports, and a game played under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" -eq 0 ] && dpkg --add-architecture i386 || sudo dpkg --add-architecture i386
fi
install_missing cmake ninja-build g++-mingw-w64-i686 wine wine32 wine64 xvfb xauth xdotool \
    imagemagick tesseract-ocr

cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build-win32 -j "$(nproc)"
ls -l build-win32/platform/win32/Tolvane.exe

export WINEPREFIX="$PWD/build-win32/wine" WINEARCH=win32 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT
# The logic tests need no display; the game test brings its own X server and Wine prefix.
env -u DISPLAY ctest --test-dir build-win32 --output-on-failure
