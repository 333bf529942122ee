#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine, as CTest's emulator for the Windows build's tests: in the
# test run's own Wine prefix, made on first use, on an X display. Where there is none, it starts an Xvfb with
# the xfwm4 window manager, on a D-Bus session bus of its own (xfwm4 reads its settings through
# xfconf over the bus, and without one it stops at once): without a window manager Wine waits two
# seconds for every window it closes, so the run fails when xfwm4 is not running.
# With LIREVOX_WINE_DPI set, the program starts at that dpi (Wine's LogPixels), and the prefix
# goes back to 96 dpi afterwards.
# usage: wine_run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
: "${LIREVOX_WINEPREFIX:?the Wine prefix of the test run}"
export WINEPREFIX=$LIREVOX_WINEPREFIX
source "$(dirname "$0")/wine_env.sh"
skip_unless_runnable "$1"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" env LIREVOX_WINE_OWN_DISPLAY=1 "$0" "$@"
fi
if [ -n "${LIREVOX_WINE_OWN_DISPLAY:-}" ]; then
    log=$(mktemp)
    read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>>"$log" | paste -sd ' ')
    export DBUS_SESSION_BUS_ADDRESS
    # Running, and its check window there: the root's property alone outlives a manager that stopped.
    running() { kill -0 $wm 2>/dev/null && xprop -id "$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{print $NF}')" >/dev/null 2>&1; }
    for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break || sleep 0.1; done
    for _ in 1 2 3; do
        NO_AT_BRIDGE=1 xfwm4 --compositor=off --sm-client-disable >>"$log" 2>&1 &
        wm=$!
        for _ in $(seq 50); do running && break || sleep 0.1; done
        sleep 0.2
        running && break
    done
    trap 'kill $wm $bus 2>/dev/null || true; rm -f "$log"' EXIT
    running || { echo "wine_run.sh: the xfwm4 window manager is not running: $(cat "$log")" >&2; exit 1; }
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; wineserver -w; }
[ -z "${LIREVOX_WINE_DPI:-}" ] || dpi "$LIREVOX_WINE_DPI"
status=0
wine "$@" || status=$?
wineserver -w
[ -z "${LIREVOX_WINE_DPI:-}" ] || dpi 96
exit $status
