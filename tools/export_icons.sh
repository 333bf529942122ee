#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

set -euo pipefail
cd "$(dirname "$0")/../resources"
for size in 48 64 128 256; do
    rsvg-convert -w $size -h $size example.oztrabel.Lirevox.svg -o icons/example.oztrabel.Lirevox-$size.png
done
