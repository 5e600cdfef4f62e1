#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# test.sh: builds Tolvane twice and runs every test: plainly (all tests), and with address and
# undefined-behaviour sanitizers (unit and Qt tests, and a whole game checked for leaks).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# The end-to-end tests run under the window managers of GNOME, KDE, XFCE, openbox, IceWM and
# Fluxbox, on a Wayland session, and through the accessibility bus that screen readers read.
# KWin 6 takes its shortcuts from kglobalacceld, which
# Debian 12 does not have.
install_missing "${BUILD_PACKAGES[@]}" xvfb xauth xdotool x11-utils imagemagick \
    openbox xfwm4 xfce4-session kwin-x11 kwin-style-breeze kglobalacceld? mutter dbus-x11 icewm fluxbox \
    weston xwayland qt6-wayland \
    x11-xkb-utils \
    at-spi2-core python3-pyatspi \
    pulseaudio pulseaudio-utils libpulse-dev \
    desktop-file-utils appstream dpkg-dev lintian libx11-dev doctest-dev

jobs=$(nproc)
# The plain build is the one packaged: built with Debian's hardening flags, which CMake takes
# from the environment when it first configures the build.
(
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
    cmake --preset plain >/dev/null
)
cmake --preset sanitize >/dev/null
for preset in plain sanitize; do
    cmake --build --preset "$preset" -j "$jobs"
done

status=0
echo "== Sanitized build: unit and Qt tests, and a whole game played with leak detection"
ctest --test-dir build-sanitize -LE 'e2e|package' --output-on-failure -j "$jobs" || status=1
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize -R e2e_openbox --output-on-failure || status=1
echo "== Plain build: every test"
ctest --test-dir build --output-on-failure || status=1
exit $status
