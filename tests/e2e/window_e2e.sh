#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The real program in a real X window under the xfwm4 window manager: its title, size, fixed frame
# with a close button and no minimize or maximize, the whole framed window centred; tabs switched
# by clicks where the user clicks, and each cancel button ending it with status 0. Again at a
# scale factor of 2, and in a Wayland session where an X server is reachable.
set -euo pipefail
program=$1
readonly screen_width=1024 screen_height=768
if [ -z "${LIREVOX_E2E_INSIDE_X:-}" ]; then
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24 -dpi 96" \
        env -u QT_QPA_PLATFORM LIREVOX_E2E_INSIDE_X=1 bash "$0" "$@"
fi
export LC_ALL=C.UTF-8
xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
trap 'kill %1' EXIT
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }
# In client pixels: four tabs of about 122 x 20 from (8, 56); every cancel button at one place.
click() { xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1 sleep 0.5; }
click_tab() { click $((8 + 61 + 122 * $1)) 66; }
click_cancel() { click 416 292; }

for run in "1 x11" "2 x11" "1 wayland"; do
    read -r scale session <<<"$run"
    width=$((506 * scale)) height=$((336 * scale))
    XDG_SESSION_TYPE=$session WAYLAND_DISPLAY=lirevox-test-$session QT_SCALE_FACTOR=$scale "$program" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1) || true
    [ -n "$window" ] || { fail "$run: no window titled 'Lirevox' + 15 blanks + 'Oztrabel' on X"; kill $pid; continue; }
    sleep 0.5
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left/ { printf "%s ", $4 } END { print "" }')
    IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | cut -d= -f2)
    expect "$run: client size" "$(xwininfo -id "$window" | awk '/Width|Height/ { printf "%s ", $2 }')" "$width $height "
    off_x=$((2 * (x - left) + left + width + right - screen_width))
    off_y=$((2 * (y - top) + top + height + bottom - screen_height))
    [ ${off_x#-} -le 4 ] && [ ${off_y#-} -le 4 ] || fail "$run: frame off centre by ($off_x, $off_y) half-pixels"
    actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    grep -q ACTION_CLOSE <<<"$actions" || fail "$run: no close button"
    grep -qE "ACTION_(MINIMIZE|MAXIMIZE|RESIZE)" <<<"$actions" && fail "$run: resizable, or a minimize or maximize button"
    xdotool windowsize "$window" 800 600
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    sleep 0.3
    expect "$run: size after resize and maximize" "$(xwininfo -id "$window" | awk '/Width|Height/ { printf "%s ", $2 }')" "$width $height "

    click_tab 3
    click_cancel
    kill -0 $pid 2>/dev/null || fail "$run: no cancel on the about tab, yet the program ended"
    tab=$((scale == 2 ? 2 : 1))
    click_tab $tab
    click_cancel
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null && sleep 0.1; done
    kill -0 $pid 2>/dev/null && { fail "$run: cancel on tab $tab did not end the program"; kill $pid; }
    status=0
    wait $pid || status=$?
    expect "$run: exit status after cancel" "$status" 0
done

[ "$failures" -eq 0 ] && echo "window end-to-end: all checks passed"
exit "$failures"
