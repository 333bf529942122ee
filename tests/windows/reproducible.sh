#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Builds the commit again, elsewhere and later, and holds the program, the zip and the installer to
# the bytes of the build at hand.
# usage: reproducible.sh SOURCE_DIR BUILD_DIR TOOLCHAIN_FILE RELEASE_NAME
set -euo pipefail
source=$1 build=$2 toolchain=$3 release=$4
again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
cmake -S "$source" -B "$again" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DLIREVOX_WINDOWS_PACKAGES=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$again" --parallel "$(nproc)" >/dev/null
status=0
for file in lirevox.exe "$release.zip" "$release-setup.exe"; do
    cmp "$build/$file" "$again/$file" || status=1
done
exit $status
