#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# test.sh: builds Tolvane three times and runs every test: plainly (all tests), with address
# and undefined-behaviour sanitizers (unit and Qt tests, and a whole game checked for leaks),
# and with clang's libFuzzer (the fuzzers, for a fixed number of inputs).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick tesseract-ocr \
    pulseaudio pulseaudio-utils libpulse-dev \
    desktop-file-utils appstream dpkg-dev lintian libx11-dev clang libclang-rt-14-dev

jobs=$(nproc)
# The plain build is the one packaged: built with Debian's hardening flags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    >/dev/null
cmake --build build-sanitize -j "$jobs"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DBUILD_TESTING=OFF -DTOLVANE_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
    >/dev/null
cmake --build build-fuzz -j "$jobs"

status=0
echo "== Sanitized build: unit and Qt tests, and a whole game played with leak detection"
ctest --test-dir build-sanitize -LE 'e2e|package' --output-on-failure -j "$jobs" || status=1
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize -R e2e_game --output-on-failure || status=1
echo "== Fuzzers"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs" || status=1
echo "== Plain build: every test"
ctest --test-dir build --output-on-failure || status=1
exit $status
