#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Installs the build into a scratch root and validates what a desktop and a distribution read
# from it: desktop entry, AppStream metainfo, icons, licences; then builds the Debian package and
# holds it to lintian. usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
readonly id=example.oztrabel.Lirevox version=1.0.0.0
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

reuse --root "$(dirname "$0")/../.." lint --quiet
cmake --install "$build" --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
# Only the info that .example is no known top-level domain may remain.
appstream=$(appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml")
if grep -E "^[IWE]:" <<<"$appstream" | grep -v cid-maybe-not-rdns; then exit 1; fi
icons=$stage/usr/share/icons/hicolor
file "$icons/24x24/apps/$id.png" | grep -q "PNG image data, 24 x 24, 8-bit colormap"
for size in 48 64 128 256; do file "$icons/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size"; done
grep -q "<svg" "$icons/scalable/apps/$id.svg"
grep -q "FILEVERSION 1,0,0,0" "$build/resources/lirevox.rc"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/package" >/dev/null
deb=$(ls "$stage"/package/lirevox_${version}_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] && dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
grep -q "\./usr/share/doc/lirevox/copyright$" <<<"$(dpkg-deb -c "$deb")"
lintian --fail-on error,warning "$deb"
echo "install and package: all checks passed"
