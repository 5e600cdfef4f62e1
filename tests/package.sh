#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# package.sh: `cmake --install` and the Debian package put the program, its launcher,
# icons, software-centre entry, manual page and licence where a desktop and Debian look for
# them, and lintian finds nothing to object to.
# Usage: package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

check_tree() {
    local root=$1
    [ -x "$root/games/tolvane" ] || fail "no program in games/"
    desktop-file-validate "$root/share/applications/$id.desktop" || fail "launcher does not validate"
    for size in 16 22 24 32 48 64 128 256; do
        local icon="$root/share/icons/hicolor/${size}x$size/apps/$id.png"
        [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "no $size-pixel icon"
    done
    [ -f "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
    appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
    [ -f "$root/share/doc/tolvane/copyright" ] || fail "no copyright file"
    gzip -t "$root/share/man/man6/tolvane.6.gz" || fail "no manual page"
}

cmake --install "$build" --prefix "$work/installed" >/dev/null
check_tree "$work/installed"

(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/tolvane_*.deb)
dpkg -x "$deb" "$work/root"
check_tree "$work/root/usr"
[ -z "$(readelf -d "$work/root/usr/games/tolvane" | grep -E 'RUNPATH|RPATH')" ] || fail "the program has a RUNPATH"
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian objects"; }
echo "package: passed ($(stat -c %s "$deb") bytes)"
