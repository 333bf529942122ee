#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# What a Windows user downloads, used as they would, under Wine in a fresh prefix: the installer
# installs silently, puts the program, its Start-menu shortcut and its uninstall entry where
# Windows keeps them, the installed program opens its window, and the uninstaller removes it all
# silently; the portable zip unpacks to a folder whose program opens its window; the program file
# and the installer carry the version record 1.0.0.0 and the 24 x 24, 256-colour icon.
# usage: install_e2e.sh BUILD_DIR win64|win32
set -euo pipefail
build=$1 arch=$2
release=$(cd "$build" && pwd)/Lirevox-1.0.0.0-$arch
if [ -z "${LIREVOX_INSTALL_INSIDE_X:-}" ]; then
    exec env -u DISPLAY LIREVOX_INSTALL_INSIDE_X=1 NO_AT_BRIDGE=1 dbus-run-session -- \
        xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
fi
source "$(dirname "$0")/../../tools/wine_env.sh"
skip_unless_runnable "$build/lirevox.exe"
export WINEPREFIX LANG=zh_CN.UTF-8
WINEPREFIX=$(mktemp -d)
work=$(mktemp -d)
xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
trap 'kill %1; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$work"' EXIT
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done
wineboot -i >/dev/null 2>&1 && wineserver -w

expect() { [ "$2" = "$3" ] || { echo "FAIL: $arch: $1: expected '$3', got '$2'"; failures=$((${failures:-0} + 1)); }; }
# A program's window appears with the design's title, and goes with the program.
opens() {
    wine "$1" &
    local pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' >/dev/null && echo opens || echo "no window"
    kill $pid 2>/dev/null || true
    wineserver -w
}
# The icons a Windows file carries, and what its version record says.
resources() {
    wrestool -x --type=14 "$1" >"$work/icon.ico" && icotool -l "$work/icon.ico" | head -n 1 | cut -d' ' -f3-
    wrestool -x --raw --type=16 "$1" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -c '[:print:]' '\n' | grep -A1 -x 'ProductVersion' | tail -n 1
}

# The 32-bit program goes to the 32-bit Program Files and is listed in the 32-bit registry.
files=$WINEPREFIX/drive_c/"Program Files" view=/reg:64
[ "$arch" = win64 ] || files=$WINEPREFIX/drive_c/"Program Files (x86)" view=/reg:32
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lirevox'

for file in "$build/lirevox.exe" "$release-setup.exe"; do
    expect "icon and version of $(basename "$file")" "$(resources "$file" | xargs)" "--width=24 --height=24 --bit-depth=8 --palette-size=256 1.0.0.0"
done

# Installed twice, as over an earlier install, then removed.
for _ in 1 2; do wine "$release-setup.exe" /S && wineserver -w; done
expect "installed files" "$(ls "$files/Lirevox" | xargs)" "LICENSE.txt lirevox.exe uninstall.exe"
link=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/Lirevox.lnk
target='C:\Program Files\Lirevox\lirevox.exe'
[ "$arch" = win64 ] || target='C:\Program Files (x86)\Lirevox\lirevox.exe'
# The target, in the link information, and the icon, among the link's strings.
expect "shortcut to the program, with its icon" "$( (strings -a "$link"; strings -a -el "$link") | grep -cF "$target")" 2
entry=$(wine reg query "$key" $view 2>/dev/null | tr -d '\r')
for value in "DisplayName=Lirevox" "Publisher=Oztrabel" "DisplayVersion=1.0.0.0" "DisplayIcon=$target,0" \
    "UninstallString=\"${target%\\*}\\uninstall.exe\""; do
    expect "uninstall entry ${value%%=*}" "$(awk -v name="${value%%=*}" '$1 == name { sub(/^ *[^ ]+ +REG_SZ +/, ""); print }' <<<"$entry")" "${value#*=}"
done
expect "the installed program" "$(opens "${target%\\*}\\lirevox.exe")" opens
wine "${target%\\*}\\uninstall.exe" /S && wineserver -w
sleep 1 && wineserver -w
expect "left behind" "$(ls -d "$files/Lirevox" "$link" 2>/dev/null | wc -l) $(wine reg query "$key" $view >/dev/null 2>&1 && echo key || echo none)" "0 none"

mkdir "$work/unpacked" && (cd "$work/unpacked" && unzip -q "$release.zip")
expect "unpacked files" "$(cd "$work/unpacked" && find . -type f | LC_ALL=C sort | xargs)" "./Lirevox/LICENSE.txt ./Lirevox/README.txt ./Lirevox/lirevox.exe"
expect "the unpacked program" "$(opens "$work/unpacked/Lirevox/lirevox.exe")" opens
exit "${failures:-0}"
