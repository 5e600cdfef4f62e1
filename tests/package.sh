#!/usr/bin/env bash
# package.sh: the Debian package and `cmake --install` put the program, its launcher, its icons
# and its software-centre entry where a desktop finds them, and the package names what it needs.
# Usage: package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

check_tree() {
    local root=$1 prefix=$2
    [ -x "$root$prefix/bin/tolvane" ] || fail "no program in $prefix/bin"
    local desktop="$root$prefix/share/applications/$id.desktop"
    [ -f "$desktop" ] || fail "no launcher"
    desktop-file-validate "$desktop" || fail "launcher does not validate"
    grep -qx 'Exec=tolvane' "$desktop" || fail "launcher does not run tolvane"
    grep -qx "Icon=$id" "$desktop" || fail "launcher names another icon"
    grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "launcher categories"
    for size in 16 32 48 64 128 256; do
        local icon="$root$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
        [ -f "$icon" ] || fail "no $size-pixel icon"
        [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "$size-pixel icon has another size"
    done
    appstreamcli validate --no-net "$root$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
}

cmake --install "$build" --prefix "$work/installed" >/dev/null
check_tree "$work/installed" ""

(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/tolvane_*.deb)
dpkg -x "$deb" "$work/root"
check_tree "$work/root" /usr
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
    [[ "$depends" == *"$needed"* ]] || fail "package does not depend on $needed: $depends"
done
echo "package: passed"
