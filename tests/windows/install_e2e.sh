#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# The installer as a Windows user takes it, under Wine in a fresh prefix: it installs silently, over
# an earlier install too, puts the program, its Start-menu shortcut and its uninstall entry where
# Windows keeps them; the installed program opens its window; the uninstaller removes it all. An
# NSIS installer is a 32-bit program whichever Windows it installs for, so it is skipped where the
# kernel runs none. usage: install_e2e.sh BUILD_DIR win64|win32
set -euo pipefail
build=$1 arch=$2
setup=$(cd "$build" && pwd)/Lirevox-1.0.0.0-$arch-setup.exe
source "$(dirname "$0")/../../tools/wine_env.sh"
skip_unless_runnable "$setup"
if [ -z "${LIREVOX_INSTALL_INSIDE_X:-}" ]; then
    exec env -u DISPLAY LIREVOX_INSTALL_INSIDE_X=1 NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
fi
export WINEPREFIX LANG=zh_CN.UTF-8
WINEPREFIX=$(mktemp -d)
trap 'eval "${window_manager_stop:-}"; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
start_window_manager
wineboot -i >/dev/null 2>&1 && wineserver -w

fail() { echo "FAIL: $arch: $1"; failures=$((${failures:-0} + 1)); }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }
files=$WINEPREFIX/drive_c/"Program Files" view=/reg:64 target='C:\Program Files\Lirevox\lirevox.exe'
[ "$arch" = win64 ] || files=$WINEPREFIX/drive_c/"Program Files (x86)" view=/reg:32 target='C:\Program Files (x86)\Lirevox\lirevox.exe'
link=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/Lirevox.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lirevox'

for _ in 1 2; do wine "$setup" /S && wineserver -w; done
expect "installed files" "$(ls "$files/Lirevox" | xargs)" "LICENSE.txt lirevox.exe uninstall.exe"
[ -f "$link" ] || fail "no Start-menu shortcut"
expect "uninstall entry's version" "$(wine reg query "$key" /v DisplayVersion $view 2>/dev/null | tr -d '\r' | awk '$1 == "DisplayVersion" { print $3 }')" 1.0.0.0
wine "$target" &
timeout 30 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' >/dev/null || fail "the installed program opened no window"
kill $! 2>/dev/null || true
wineserver -w
# The uninstaller runs on from a copy of itself, so its work is waited for, not its process.
wine "${target%\\*}\\uninstall.exe" /S
gone() { [ ! -e "$files/Lirevox" ] && [ ! -e "$link" ] && ! wine reg query "$key" $view >/dev/null 2>&1; }
for _ in $(seq 100); do gone && break || sleep 0.1; done
gone || fail "left behind after uninstall: $(ls -d "$files/Lirevox" "$link" 2>/dev/null | xargs)"
exit "${failures:-0}"
