#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# The real lirevox.exe under Wine in a real X window managed by xfwm4: its title, client size, a
# frame with a close button and no minimize or maximize, the whole framed window centred, its own
# icon; cancel on each calculator tab, clicked where the user clicks, and the close box each end it
# with status 0.
# usage: window_e2e.sh LIREVOX.EXE
set -euo pipefail
program=$1
: "${LIREVOX_WINEPREFIX:?the Wine prefix of the test run}"
export WINEPREFIX=$LIREVOX_WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${LIREVOX_E2E_INSIDE_X:-}" ]; then
    exec env -u DISPLAY LIREVOX_E2E_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
fi
xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
trap 'kill %1; wineserver -k 2>/dev/null || true' EXIT
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done
[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }

expect() { [ "$2" = "$3" ] || { echo "FAIL: $run: $1: expected '$3', got '$2'"; failures=$((${failures:-0} + 1)); }; }
# In client pixels: four tabs of 121 x 20 from (10, 56); every cancel button centred at (416, 292).
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 sleep 0.5; }

for run in "tab 0" "tab 1" "tab 2" "close box"; do
    wine "$program" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1) || true
    expect "a window titled 'Lirevox' + 15 blanks + 'Oztrabel'" "${window:+found}" found
    [ -n "$window" ] && sleep 0.5 || { kill $pid; continue; }
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left/ { printf "%s ", $4 } END { print "" }')
    IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | cut -d= -f2)
    # Twice the frame's offset from the screen's centre, within 2 pixels each way.
    off_x=$((2 * x - left + right + 506 - 1024)) off_y=$((2 * y - top + bottom + 336 - 768))
    expect "frame centred" "$((${off_x#-} <= 4 && ${off_y#-} <= 4))" 1
    expect "client size" "$(xwininfo -id "$window" | awk '/Width|Height/ { printf "%s ", $2 }')" "506 336 "
    expect "title bar actions" "$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -oE "CLOSE|MINIMIZE|MAXIMIZE|RESIZE" | sort -u | xargs)" CLOSE
    # The window's icon holds the capacitor's blue plates and the coil's orange turns, in whatever
    # palette Wine maps them to.
    expect "its own icon" "$(xprop -id "$window" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | tr -d ' ' | tr ',=' '\n\n' | awk '
        $1 ~ /^[0-9]+$/ && $1 >= 4278190080 { r = int($1 / 65536) % 256; g = int($1 / 256) % 256; b = $1 % 256
            if (b > r + 60 && b > g + 30) blue = 1; if (r > g + 40 && g > b + 20) orange = 1 }
        END { print blue + orange }')" 2
    if [ "$run" = "close box" ]; then
        wmctrl -i -c "$window"
    else
        tab=${run#tab }
        click $((70 + 121 * 3)) 66 && click 416 292
        expect "running after a click where the about tab has no cancel button" "$(kill -0 $pid 2>/dev/null && echo yes)" yes
        click $((70 + 121 * tab)) 66 && click 416 292
    fi
    status=0
    timeout 20 tail --pid=$pid -f /dev/null || { kill $pid; status=timeout; }
    [ "$status" = timeout ] || wait $pid || status=$?
    expect "exit status after $run" "$status" 0
done
exit "${failures:-0}"
