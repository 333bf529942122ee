#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Builds the parser fuzzer with clang and runs it on a bounded number of inputs from the seeds.
# usage: run.sh BUILD_DIR [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cmake -S "$here" -B "$1" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$1" --parallel "$(nproc)" >/dev/null
rm -rf "$1/corpus" && mkdir -p "$1/corpus"
"$1/fuzz_number" -runs="${2:-300000}" -max_len=512 -seed=1 "$1/corpus" "$here/seeds" 2>&1 | tail -n 5
