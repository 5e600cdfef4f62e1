#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# package.sh: the Debian package puts the program, its launcher, icons, software-centre entry,
# manual page and licence where a desktop and Debian look for them, and lintian finds nothing to
# object to. (cpack packs what `cmake --install` installs.)
# Usage: package.sh BUILD_DIR APP_ID
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$1" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/tolvane_*.deb)
dpkg -x "$deb" "$work/root"
root=$work/root/usr
[ -x "$root/games/tolvane" ] || fail "no program in games/"
[ -z "$(readelf -d "$root/games/tolvane" | grep -E 'RUNPATH|RPATH')" ] || fail "the program has a RUNPATH"
desktop-file-validate "$root/share/applications/$2.desktop" || fail "launcher does not validate"
for size in 16 22 24 32 48 64 128 256; do
    icon="$root/share/icons/hicolor/${size}x$size/apps/$2.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "no $size-pixel icon"
done
[ -f "$root/share/icons/hicolor/scalable/apps/$2.svg" ] || fail "no scalable icon"
appstreamcli validate --no-net "$root/share/metainfo/$2.metainfo.xml" || fail "metainfo does not validate"
[ -f "$root/share/doc/tolvane/copyright" ] || fail "no copyright file"
# Loaded at run time, so no link of the program's names them.
dpkg-deb -f "$deb" Depends | grep -qw fonts-dejavu-core || fail "no sans-serif face"
dpkg-deb -f "$deb" Recommends | grep -qw libcanberra0 || fail "libcanberra not recommended"
gzip -t "$root/share/man/man6/tolvane.6.gz" || fail "no manual page"
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian objects"; }
echo "package: passed ($(stat -c %s "$deb") bytes)"
