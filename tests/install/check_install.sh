#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# What a desktop and a distribution read from an install: licences, desktop entry, AppStream
# metainfo (only the info that .example is no known domain may remain), icons, and the Debian
# package made twice, byte for byte the same (lintian reads the package package_from_export.sh
# makes of the same sources). usage: check_install.sh BUILD_DIR
set -euo pipefail
readonly id=example.oztrabel.Lirevox
stage=$(mktemp -d) && trap 'rm -rf "$stage"' EXIT
reuse --root "$(dirname "$0")/../.." lint --quiet
cmake --install "$1" --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
appstream=$(appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml")
if grep -E "^[IWE]:" <<<"$appstream" | grep -v cid-maybe-not-rdns; then exit 1; fi
file "$stage/usr/share/icons/hicolor/24x24/apps/$id.png" | grep -q "24 x 24, 8-bit colormap"
for size in 48 64 128 256; do file "$stage/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size"; done
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$stage/package" >/dev/null
deb=$(ls "$stage"/package/lirevox_1.0.0.0_*.deb)
grep -q "\./usr/share/doc/lirevox/copyright$" <<<"$(dpkg-deb -c "$deb")"
# A Song face and a sans face, each with an alternative, beside the libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for fonts in "fonts-noto-cjk | fonts-arphic-uming" "fonts-noto-cjk | fonts-wqy-microhei" libqt6widgets6; do
    grep -qF "$fonts" <<<"$depends" || { echo "the package does not depend on $fonts: $depends"; exit 1; }
done
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$stage/again" >/dev/null
cmp "$deb" "$stage/again/$(basename "$deb")" || { echo "two package builds of one commit differ"; exit 1; }
echo "install and package: all checks passed"
