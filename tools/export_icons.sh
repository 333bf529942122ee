#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

set -euo pipefail
cd "$(dirname "$0")/../resources"
# 192 and 512 for the web edition's manifest.
for size in 48 64 128 192 256 512; do
    rsvg-convert -w $size -h $size example.oztrabel.Lirevox.svg -o icons/example.oztrabel.Lirevox-$size.png
done
