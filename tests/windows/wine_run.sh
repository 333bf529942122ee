#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine, as CTest's emulator for the Windows build: in the test run's
# own Wine prefix, made on first use, with Chinese fonts at the prefix's dpi, on an X display
# (an Xvfb of its own when there is none).
# usage: wine_run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
: "${LIREVOX_WINEPREFIX:?the Wine prefix of the test run}"
export WINEPREFIX=$LIREVOX_WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
status=0
wine "$@" || status=$?
wineserver -w
exit $status
