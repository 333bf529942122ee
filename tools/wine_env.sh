# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Sourced by what runs Wine: the tests, the screenshot tool and the start-up benchmark. Where 32-bit
# Wine is installed but the kernel runs no 32-bit programs (some virtual machines' kernels), 64-bit
# programs run on 64-bit Wine alone and 32-bit ones cannot run: runs_32_bit_programs says which.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
runs_32_bit_programs=yes
if [ -x /usr/lib/wine/wine ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-only:$PATH"
    runs_32_bit_programs=no
fi
# Exits with CTest's skip status for a 32-bit program that cannot run here.
skip_unless_runnable() {
    if [ "$runs_32_bit_programs" = no ] && file -b "$1" | grep -q '^PE32 '; then
        echo "Skipped: this machine's kernel runs no 32-bit programs, which 32-bit Wine needs."
        exit 77
    fi
}

# Starts the xfwm4 window manager on this X display, on a D-Bus session bus of its own (xfwm4 reads
# its settings through xfconf over the bus, and without one it stops at once), once the display
# answers; fails when xfwm4 is not running. Without a window manager Wine waits two seconds for
# every window it closes, and about half its windows take some 50 ms longer to their first frame.
# window_manager_stop: what stops both again; the caller runs it on exit.
start_window_manager() {
    local log wm bus
    log=$(mktemp)
    read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>>"$log" | paste -sd ' ')
    export DBUS_SESSION_BUS_ADDRESS
    # Running, and its check window there: the root's property alone outlives a manager that stopped.
    running() { kill -0 "$wm" 2>/dev/null && xprop -id "$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{print $NF}')" >/dev/null 2>&1; }
    for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break || sleep 0.1; done
    for _ in 1 2 3; do
        NO_AT_BRIDGE=1 xfwm4 --compositor=off --sm-client-disable >>"$log" 2>&1 &
        wm=$!
        for _ in $(seq 50); do running && break || sleep 0.1; done
        sleep 0.2
        running && break
    done
    window_manager_stop="kill $wm $bus 2>/dev/null || true; rm -f $log"
    running || { echo "$0: the xfwm4 window manager is not running: $(cat "$log")" >&2; exit 1; }
}
