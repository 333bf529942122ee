#!/usr/bin/env bash
# Installs the build into a scratch root and validates what a desktop reads from it, then builds
# the Debian package and checks its control fields and contents.
# usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
readonly id=example.oztrabel.Lirevox version=1.0.0.0
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$version\"" "$stage/usr/share/metainfo/$id.metainfo.xml"
file "$stage/usr/share/icons/hicolor/24x24/apps/$id.png" | grep -q "PNG image data, 24 x 24, 8-bit colormap"
grep -q "FILEVERSION 1,0,0,0" "$build/resources/lirevox.rc"
grep -q "\"ProductVersion\", \"$version\"" "$build/resources/lirevox.rc"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/package" >/dev/null
deb=$(ls "$stage"/package/lirevox_${version}_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lirevox ] && [ "$(field Version)" = "$version" ]
field Depends | grep -q "libqt6widgets6"
field Depends | grep -q "libc6"
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/lirevox "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/24x24/apps/$id.png"; do
    grep -q "\./$path\$" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
echo "install and package: all checks passed"
