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
    exec env XDG_RUNTIME_DIR="$(mktemp -d)" NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
        env -u QT_QPA_PLATFORM LIREVOX_E2E_INSIDE_X=1 LC_ALL="$locale" bash "$0" "$@"
fi
source "$(dirname "$0")/../../tools/wine_env.sh"
trap 'eval "${window_manager_stop:-}"; [ -z "${WINEPREFIX:-}" ] || wineserver -k' EXIT
start_window_manager
[ -z "${WINEPREFIX:-}" ] || [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }

fail() { echo "FAIL: $run: $1"; failures=$((${failures:-0} + 1)); }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }
# Waits up to SECONDS for COMMAND to succeed; fails the run, naming what never came, when it does not.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do "$@" && return 0 || sleep 0.1; done
    fail "no $what within $seconds s"
    return 1
}
# In client pixels: four tabs of about 121 x 20 from (8, 56); every cancel button centred at (416, 292).
click() { xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1; }
ended() { ! kill -0 $pid 2>/dev/null; }
stays_running() { for _ in $(seq 10); do ended && return 1 || sleep 0.1; done; }
framed() { xprop -id "$window" _NET_FRAME_EXTENTS | grep -q =; }
# Twice the frame's offset from the screen's centre; the Windows program centres the frame Windows
# would draw, and Wine's metrics for it need not match the X window manager's frame by a few pixels.
frame_offset() {
    local x y left right top bottom
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left/ { printf "%s ", $4 } END { print "" }')
    IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | cut -d= -f2)
    echo $((2 * x - left + right + 506 * scale - 1024)) $((2 * y - top + bottom + 336 * scale - 768))
}
centred() { read -r off_x off_y < <(frame_offset) && ((${off_x#-} <= slack && ${off_y#-} <= slack)); }
# The window manager answers requests in order, so once it has raised the window above the others,
# it has answered the resize and the maximize asked for before.
above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

for run in "${runs[@]}"; do
    read -r scale session tab <<<"$run"
    XDG_SESSION_TYPE=$session WAYLAND_DISPLAY=lirevox-test QT_SCALE_FACTOR=$scale "${launch[@]}" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1) || true
    expect "a window titled 'Lirevox' + 15 blanks + 'Oztrabel' on X" "${window:+found}" found
    [ -n "$window" ] && wait_for 10 "frame from the window manager" framed || { kill $pid; continue; }
    wait_for 10 "framed window centred (twice its offset from the centre: $(frame_offset))" centred || true
    expect "title bar actions" "$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -oE "CLOSE|MINIMIZE|MAXIMIZE|RESIZE" | sort -u | xargs)" CLOSE
    # The capacitor's blue plates and the coil's orange turns, in whatever palette the icon ends in.
    expect "its own icon" "$(xprop -id "$window" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | tr -d ' ' | tr ',=' '\n\n' | awk '
        $1 ~ /^[0-9]+$/ && $1 >= 4278190080 { r = int($1 / 65536) % 256; g = int($1 / 256) % 256; b = $1 % 256
            if (b > r + 60 && b > g + 30) blue = 1; if (r > g + 40 && g > b + 20) orange = 1 }
        END { print blue + orange }')" 2
    xdotool windowsize "$window" 800 600 && wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    wmctrl -i -r "$window" -b add,above && wait_for 10 "answer from the window manager" above || true
    expect "client size, after a resize and a maximize" "$(xwininfo -id "$window" | awk '/Width|Height/ { printf "%s ", $2 }')" "$((506 * scale)) $((336 * scale)) "
    # A click on the about tab, then where the other tabs have their cancel button: the program is
    # still running a second later, when a real cancel would have ended it.
    click 434 66 && click 416 292
    stays_running || fail "ended after a click where the about tab has no cancel button"
    if [ "$tab" = close ]; then
        wmctrl -i -c "$window"
    else
        click $((70 + 121 * (tab - 1))) 66 && click 416 292
    fi
    wait_for 10 "end of the program after cancel on tab $tab" ended || true
    status=0
    kill $pid 2>/dev/null || wait $pid || status=$?
    expect "exit status after cancel" "$status" 0
done
exit "${failures:-0}"
