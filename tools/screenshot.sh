#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# Photographs each tab of the built program under Xvfb and xfwm4 and joins them into one picture:
# the Qt program, or the Windows program (a .exe) under Wine, in Chinese, at DPI dots per inch.
# usage: [QT_SCALE_FACTOR=2] [DPI=144] tools/screenshot.sh OUT.png [PROGRAM]
set -euo pipefail
out=$1
program=${2:-build/app/lirevox}
scale=${QT_SCALE_FACTOR:-1}

if [ -z "${LIREVOX_SHOT_INSIDE_X:-}" ]; then
    exec xvfb-run -a -s "-screen 0 2048x1536x24 -dpi 96" env LIREVOX_SHOT_INSIDE_X=1 bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; kill %1' EXIT
xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done
if [[ $program == *.exe ]]; then
    export WINEPREFIX=${LIREVOX_WINEPREFIX:-$PWD/build-windows/wineprefix} LANG=zh_CN.UTF-8
    source "$(dirname "$0")/wine_env.sh"
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${DPI:-96}" /f >/dev/null 2>&1
    wineserver -w
    scale=$(awk -v dpi="${DPI:-96}" 'BEGIN { print dpi / 96 }')
    tab_x() { awk -v s="$scale" -v t="$1" 'BEGIN { printf "%d", (70 + 121 * t) * s }'; }
    wine "$program" &
else
    tab_x() { echo $(((8 + 122 * $1 + 61) * scale)); }
    "$program" &
fi
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1)
sleep 1
for tab in 0 1 2 3; do
    xdotool mousemove --window "$window" "$(tab_x $tab)" "$(awk -v s="$scale" 'BEGIN { printf "%d", 66 * s }')" click 1
    sleep 0.5
    import -window root -crop "$(xwininfo -id "$(xdotool getwindowfocus)" -frame | awk '/Width/ { w = $2 } /Height/ { h = $2 } /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { printf "%dx%d+%d+%d", w, h, x, y }')" +repage "$work/tab$tab.png"
done
kill "$pid"
[[ $program == *.exe ]] && { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1; wineserver -k; }
montage "$work"/tab{0,1,2,3}.png -tile 2x2 -geometry +6+6 -background '#808080' "$out"
