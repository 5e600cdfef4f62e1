#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# debian13.sh: runs a command on a clone of this checkout's commit in a fresh Debian 13
# (trixie) root, made anew by mmdebstrap for every run from the mirror of this machine's apt
# sources, so that every install step of the scripts runs as on a new machine. Packages
# downloaded are kept between runs in $TOLVANE_APT_CACHE (default /var/cache/tolvane-debian13).
# Usage: scripts/debian13.sh COMMAND [ARGS...]   (COMMAND runs in the clone's top folder, as root)
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo -- "$0" "$@" # a root of its own and mounts take root
source scripts/deps.sh
install_missing mmdebstrap

cache=${TOLVANE_APT_CACHE:-/var/cache/tolvane-debian13}
root=$(mktemp -d /var/tmp/tolvane-debian13.XXXXXX)
cleanup() {
    # What the command left running in the root, then what was mounted there, innermost first.
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" != "$root" ] || kill -9 "${proc#/proc/}" 2>/dev/null || true
    done
    awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/mounts \
        | sort -r | xargs -r -n1 umount -l
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
mkdir -p "$cache"
mmdebstrap --variant=apt --skip=download/empty --skip=essential/unlink \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $cache /var/cache/apt/archives" \
    --customize-hook="sync-out /var/cache/apt/archives $cache" \
    trixie "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
mount --bind "$cache" "$root/var/cache/apt/archives"
git clone -q "$PWD" "$root/src/tolvane"
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    bash -c 'cd /src/tolvane && exec "$@"' debian13 "$@"
