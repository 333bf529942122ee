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
