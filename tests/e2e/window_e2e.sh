#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# The real program in a real X window under the xfwm4 window manager, the Qt one or the Windows one
# (a .exe, under Wine): its title, size, fixed frame with a close button and no minimize or
# maximize, the whole framed window centred, its own icon; tabs switched by clicks where the user
# clicks, and each cancel button, and the close box, ending it with status 0. The Qt program again
# at a scale factor of 2, and in a Wayland session where an X server is reachable.
set -euo pipefail
program=$1
if [[ $program == *.exe ]]; then
    export WINEPREFIX=${LIREVOX_WINEPREFIX:?the Wine prefix of the test run}
    source "$(dirname "$0")/../../tools/wine_env.sh"
    skip_unless_runnable "$program"
    launch=(wine "$program") runs=("1 x11 1" "1 x11 2" "1 x11 3" "1 x11 close") locale=${LC_ALL:-zh_CN.UTF-8} slack=12
else
    launch=("$program") runs=("1 x11 1" "2 x11 2" "1 wayland 3") locale=C.UTF-8 slack=4
fi
if [ -z "${LIREVOX_E2E_INSIDE_X:-}" ]; then
    exec env XDG_RUNTIME_DIR="$(mktemp -d)" NO_AT_BRIDGE=1 dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
        env -u QT_QPA_PLATFORM LIREVOX_E2E_INSIDE_X=1 LC_ALL="$locale" bash "$0" "$@"
fi
xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
trap 'kill %1; [ -z "${WINEPREFIX:-}" ] || wineserver -k' EXIT
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done
[ -z "${WINEPREFIX:-}" ] || [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }

expect() { [ "$2" = "$3" ] || { echo "FAIL: $run: $1: expected '$3', got '$2'"; failures=$((${failures:-0} + 1)); }; }
# In client pixels: four tabs of about 121 x 20 from (8, 56); every cancel button centred at (416, 292).
click() { xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1 sleep 0.5; }
alive() { kill -0 $pid 2>/dev/null && echo yes || echo no; }

for run in "${runs[@]}"; do
    read -r scale session tab <<<"$run"
    XDG_SESSION_TYPE=$session WAYLAND_DISPLAY=lirevox-test QT_SCALE_FACTOR=$scale "${launch[@]}" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1) || true
    expect "a window titled 'Lirevox' + 15 blanks + 'Oztrabel' on X" "${window:+found}" found
    [ -n "$window" ] && sleep 0.5 || { kill $pid; continue; }
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left/ { printf "%s ", $4 } END { print "" }')
    IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | cut -d= -f2)
    # Twice the frame's offset from the screen's centre, within 2 pixels each way; the Windows
    # program centres the frame Windows would draw, and Wine's metrics for it need not match the
    # X window manager's frame by a few pixels more.
    off_x=$((2 * x - left + right + 506 * scale - 1024)) off_y=$((2 * y - top + bottom + 336 * scale - 768))
    expect "frame centred" "$((${off_x#-} <= slack && ${off_y#-} <= slack))" 1
    expect "title bar actions" "$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -oE "CLOSE|MINIMIZE|MAXIMIZE|RESIZE" | sort -u | xargs)" CLOSE
    # The capacitor's blue plates and the coil's orange turns, in whatever palette the icon ends in.
    expect "its own icon" "$(xprop -id "$window" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | tr -d ' ' | tr ',=' '\n\n' | awk '
        $1 ~ /^[0-9]+$/ && $1 >= 4278190080 { r = int($1 / 65536) % 256; g = int($1 / 256) % 256; b = $1 % 256
            if (b > r + 60 && b > g + 30) blue = 1; if (r > g + 40 && g > b + 20) orange = 1 }
        END { print blue + orange }')" 2
    xdotool windowsize "$window" 800 600 && wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz && sleep 0.3
    expect "client size, after a resize and a maximize" "$(xwininfo -id "$window" | awk '/Width|Height/ { printf "%s ", $2 }')" "$((506 * scale)) $((336 * scale)) "
    click 434 66 && click 416 292
    expect "running after a click where the about tab has no cancel button" "$(alive)" yes
    if [ "$tab" = close ]; then
        wmctrl -i -c "$window"
    else
        click $((70 + 121 * (tab - 1))) 66 && click 416 292
    fi
    for _ in $(seq 100); do [ "$(alive)" = yes ] && sleep 0.1; done
    expect "running after cancel on tab $tab" "$(alive)" no
    status=0
    kill $pid 2>/dev/null || wait $pid || status=$?
    expect "exit status after cancel" "$status" 0
done
exit "${failures:-0}"
