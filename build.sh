#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Sets up a Debian or Ubuntu machine for Lirevox, builds it, and then either opens the
# calculator (./build.sh run) or runs every test (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|test" >&2; exit 2; }
[ $# -eq 1 ] || usage
mode=$1
case "$mode" in run | test) ;; *) usage ;; esac

# What building and running need; the tests need the rest.
packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk)
test_packages=(
    clang libclang-rt-dev clang-tidy clang-format
    xvfb xauth xdotool x11-utils xfwm4 wmctrl dbus-daemon at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev file lintian reuse
    libx11-dev libxdamage-dev
)
# The checks that need more than a compiler, CMake and Qt, all on for the test run.
checks=(-DLIREVOX_LINT=ON -DLIREVOX_FUZZ=ON -DLIREVOX_DESKTOP_TESTS=ON -DLIREVOX_PACKAGE_CHECKS=ON -DLIREVOX_BENCHMARK=ON)

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
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${checks[@]}"
    cmake --build build --parallel "$(nproc)"
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    # The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIREVOX_SANITIZE=ON -DLIREVOX_DESKTOP_TESTS=ON
    cmake --build build-sanitize --parallel "$(nproc)"
    ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
    ;;
esac
