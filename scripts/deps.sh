# SPDX-License-Identifier: MIT
# deps.sh: installs the Debian packages named as arguments when any is missing.
# Sourced by play.sh, test.sh, windows.sh and bench/screen.sh.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# To build, and what the program loads at run time: the window-system plugin, the fonts that
# stand in for the designed ones, the sound server's event-sound backend and the bell.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libxcb1-dev fonts-liberation
    libcanberra-dev libcanberra-pulse sound-theme-freedesktop)
