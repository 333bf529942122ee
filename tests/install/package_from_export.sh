#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# The Debian package built from the tracked sources alone, as a release tarball or `git archive`
# holds them: no .git and no SOURCE_DATE_EPOCH to date its files by. lintian holds it to the same
# rules as the package built from a checkout. usage: package_from_export.sh SOURCE_DIR
set -euo pipefail
tree=$(mktemp -d) && trap 'rm -rf "$tree"' EXIT
mkdir "$tree/src"
git -C "$1" ls-files -z | tar -C "$1" --null -T - -c | tar -C "$tree/src" -x
unset SOURCE_DATE_EPOCH
cmake -S "$tree/src" -B "$tree/build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$tree/build" --parallel "$(nproc)" >/dev/null
cpack -G DEB --config "$tree/build/CPackConfig.cmake" -B "$tree/package" >/dev/null
lintian --fail-on error,warning "$tree"/package/lirevox_*.deb
echo "the package built from an exported tree: lintian clean"
