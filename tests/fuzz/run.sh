#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# Builds the parser fuzzer with clang and runs it for a bounded number of inputs from the seeds.
# usage: run.sh BUILD_DIR [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
runs=${2:-300000}

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
corpus="$build/corpus"
rm -rf "$corpus" && mkdir -p "$corpus"
"$build/fuzz_number" -runs="$runs" -max_len=512 -seed=1 "$corpus" "$here/seeds" 2>&1 | tail -n 5
