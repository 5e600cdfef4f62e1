#!/usr/bin/env bash
# test.sh: builds Tolvane twice (plain, and with address and undefined-behaviour sanitizers)
# and runs every test: all of them on the plain build, the unit and Qt tests on the other.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick tesseract-ocr \
    desktop-file-utils appstream dpkg-dev

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    >/dev/null
cmake --build build-sanitize -j "$jobs"

status=0
echo "== Sanitized build: unit and Qt tests, and a whole game played with leak detection"
ctest --test-dir build-sanitize -LE 'e2e|package' --output-on-failure -j "$jobs" || status=1
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize -R e2e_game --output-on-failure || status=1
echo "== Plain build: every test"
ctest --test-dir build --output-on-failure || status=1
exit $status
