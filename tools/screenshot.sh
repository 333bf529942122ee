#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# Photographs each tab of the built program under Xvfb and joins them into one picture.
# usage: [QT_SCALE_FACTOR=2] tools/screenshot.sh OUT.png [PROGRAM]
set -euo pipefail
out=$1
program=${2:-build/app/lirevox}
scale=${QT_SCALE_FACTOR:-1}

if [ -z "${LIREVOX_SHOT_INSIDE_X:-}" ]; then
    exec xvfb-run -a -s "-screen 0 2048x1536x24 -dpi 96" env LIREVOX_SHOT_INSIDE_X=1 bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
for tab in 0 1 2 3; do
    xdotool mousemove --window "$window" $(((8 + 122 * tab + 61) * scale)) $((66 * scale)) click 1
    sleep 0.4
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/tab$tab.png"
done
kill "$pid"
montage "$work"/tab{0,1,2,3}.png -tile 2x2 -geometry +6+6 -background '#808080' "$out"
