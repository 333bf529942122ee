#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine, as CTest's emulator for the Windows build's tests: in the
# test run's own Wine prefix, made on first use, on an X display. Where there is none, it starts an
# Xvfb with the xfwm4 window manager, and the run fails when xfwm4 is not running.
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
    trap 'eval "${window_manager_stop:-}"' EXIT
    start_window_manager
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
