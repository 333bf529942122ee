#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# Measures the calculator's start-up against two floors, in rotation, on an Xvfb display: seconds
# from exec to the first painted frame and peak resident memory, then prints the medians and the
# medians of the ratios of each run against its floors', beside the targets. The first floor is an
# empty window with one label; the second a bare window showing what the calculator's first frame
# shows (the same controls, texts and faces, nothing behind them), the floor the targets are for. A benchmark, not a test:
# nothing fails on a timing. Build first (./build.sh test, or cmake --build build).
# A Windows build (build-windows) is measured under Wine against a bare Win32 window, with the
# probe of the Linux build (PROBE_BUILD, build by default).
# usage: bench/startup.sh [RUNS] [BUILD_DIR]
set -euo pipefail
runs=${1:-61}
build=${2:-build}
if [ -f "$build/lirevox.exe" ]; then
    export WINEPREFIX=${WINEPREFIX:-$(cd "$build" && pwd)/wineprefix} LANG=zh_CN.UTF-8
    source "$(dirname "$0")/../tools/wine_env.sh"
    probe=${PROBE_BUILD:-build}/bench/lirevox_first_frame
    floor=(wine "$build/bench/windows/lirevox_floor_window.exe")
    design_floor=(wine "$build/bench/windows/lirevox_design_floor_window.exe")
    program=(wine "$build/lirevox.exe")
    targets=(1.10 1.25) floor_name="a bare Win32 window with a label and the program's manifest (bench/windows/floor_window.cpp), under Wine and xfwm4"
    design_floor_name="a bare Win32 window showing the first frame's controls (bench/windows/design_floor_window.cpp)"
else
    probe=$build/bench/lirevox_first_frame
    floor=("$build/bench/lirevox_floor_window")
    design_floor=("$build/bench/lirevox_design_floor_window")
    program=("$build/app/lirevox")
    targets=(1.10 1.15) floor_name="an empty Qt window of the same size with one Chinese label (bench/floor_window.cpp)"
    design_floor_name="a bare Qt window showing the first frame's controls (bench/design_floor_window.cpp)"
fi

if [ -z "${LIREVOX_BENCH_INSIDE_X:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" env LIREVOX_BENCH_INSIDE_X=1 bash "$0" "$@"
fi

measure() { "$probe" 506 336 "$@"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The pointer rests in a corner, outside both windows, so that neither loads a cursor for it. Wine
# runs as it is meant to, under a window manager, and a Wine server kept running spares every start
# its own.
xdotool mousemove 0 0
results=$(mktemp)
window_manager_stop=
trap 'rm -f "$results"; eval "$window_manager_stop"' EXIT
if [ "${floor[0]}" = wine ]; then
    start_window_manager
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
    wineserver -p
fi
measure "${floor[@]}" >/dev/null # warm the file and font caches
measure "${design_floor[@]}" >/dev/null
measure "${program[@]}" >/dev/null
# Each line: seconds and KiB of the floor, of the design floor and of lirevox, measured back to back.
for _ in $(seq "$runs"); do
    echo "$(measure "${floor[@]}") $(measure "${design_floor[@]}") $(measure "${program[@]}")" >>"$results"
done 2>/dev/null

column() { awk -v c="$1" '{ print $c }' "$results" | median; }
ratio() { awk -v a="$1" -v b="$2" '{ print $a / $b }' "$results" | median; }
echo "floor: $floor_name"
echo "design floor: $design_floor_name"
printf 'floor         start-up %.4f s   peak memory %d KiB\n' "$(column 1)" "$(column 2)"
printf 'design floor  start-up %.4f s   peak memory %d KiB\n' "$(column 3)" "$(column 4)"
printf 'lirevox       start-up %.4f s   peak memory %d KiB\n' "$(column 5)" "$(column 6)"
printf 'median ratio over %d runs, against the floor:        start-up %.3f x   peak memory %.3f x\n' \
    "$runs" "$(ratio 5 1)" "$(ratio 6 2)"
printf 'median ratio over %d runs, against the design floor: start-up %.3f x (target %s)   peak memory %.3f x (target %s)\n' \
    "$runs" "$(ratio 5 3)" "${targets[0]}" "$(ratio 6 4)" "${targets[1]}"
[ "${floor[0]}" != wine ] || wineserver -k
