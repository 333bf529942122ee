#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Sets up a Debian or Ubuntu machine for Lirevox, builds it, and then opens the calculator
# (./build.sh run), builds the Windows program (./build.sh windows), or runs every test, the Windows
# program's under Wine included (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|windows|test" >&2; exit 2; }
[ $# -eq 1 ] || usage
mode=$1
case "$mode" in run | windows | test) ;; *) usage ;; esac

# What building and running need; the Windows program needs the cross compiler; the tests need
# the rest. Wine needs the locales of its tests generated, and the Chinese fonts.
packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk)
windows_packages=(cmake make g++-mingw-w64-x86-64-posix)
test_packages=(
    doctest-dev locales-all
    clang libclang-rt-dev clang-tidy clang-format
    xvfb xauth xdotool x11-utils xfwm4 wmctrl dbus-daemon at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev file lintian reuse
    libx11-dev libxdamage-dev
    wine wine64
)
# The checks that need more than a compiler, CMake and Qt, all on for the test run.
checks=(-DLIREVOX_LINT=ON -DLIREVOX_FUZZ=ON -DLIREVOX_DESKTOP_TESTS=ON -DLIREVOX_PACKAGE_CHECKS=ON -DLIREVOX_BENCHMARK=ON)
windows=(-S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release)

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

case "$mode" in
run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "No display to open the window on: run this from a desktop session." >&2
        exit 1
    fi
    install_missing "${packages[@]}"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --parallel "$(nproc)"
    exec build/app/lirevox
    ;;
windows)
    install_missing "${windows_packages[@]}"
    cmake "${windows[@]}"
    cmake --build build-windows --parallel "$(nproc)"
    echo "Built build-windows/lirevox.exe"
    ;;
test)
    install_missing "${packages[@]}" "${windows_packages[@]}" "${test_packages[@]}"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${checks[@]}"
    cmake --build build --parallel "$(nproc)"
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    # The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIREVOX_SANITIZE=ON -DLIREVOX_DESKTOP_TESTS=ON
    cmake --build build-sanitize --parallel "$(nproc)"
    ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
    # The Windows program and its tests under Wine, in a Wine prefix made anew for the run.
    cmake "${windows[@]}" -DLIREVOX_DESKTOP_TESTS=ON -DLIREVOX_BENCHMARK=ON
    cmake --build build-windows --parallel "$(nproc)"
    rm -rf build-windows/wineprefix
    ctest --test-dir build-windows --output-on-failure
    ;;
esac
