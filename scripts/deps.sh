# SPDX-License-Identifier: MIT
# deps.sh: installs the Debian packages named as arguments when any is missing. A name ending
# in "?" is a package that only some releases have: it is installed where the release has it.
# Sourced by play.sh, test.sh, windows.sh, debian13.sh and bench/screen.sh.
install_missing() {
    local missing=() optional=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "${p%\?}" 2>/dev/null | grep -q "install ok installed" && continue
        if [ "$p" = "${p%\?}" ]; then
            missing+=("$p")
        # Known to the package lists, or no lists yet: a fresh machine has read none.
        elif apt-cache show "${p%\?}" >/dev/null 2>&1 || [ -z "$(ls /var/lib/apt/lists/*_Packages 2>/dev/null)" ]; then
            optional+=("${p%\?}")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && [ ${#optional[@]} -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    # A mirror in the middle of a sync fails an index now and then: try again, then go on with
    # the lists as they are (the install says so if they lack a package).
    local tries=1
    until $sudo apt-get update -qq; do
        ((tries++ < 3)) || { echo "apt-get update failed; using the package lists as they are" >&2; break; }
        sleep 10
    done
    for p in "${optional[@]}"; do
        apt-cache show "$p" >/dev/null 2>&1 && missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# To build, and what the program loads at run time: the window-system plugin, a sans-serif face
# for the menu and the dialogs (without one, Debian 13's fontconfig answers "sans-serif" with a
# monospace face), the fonts that stand in for the designed ones, the sound server's
# event-sound backend and the bell.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libxcb1-dev fonts-dejavu-core
    fonts-liberation libcanberra-dev libcanberra-pulse sound-theme-freedesktop)
