#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# Sets up a Debian or Ubuntu machine for Lirevox, builds it, and then opens the calculator
# (./build.sh run), builds the Windows program (./build.sh windows) or the web edition (./build.sh
# web), or runs every test, the Windows program's under Wine and the web edition's in real browsers
# included (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|windows|web|test" >&2; exit 2; }
[ $# -eq 1 ] || usage
mode=$1
case "$mode" in run | windows | web | test) ;; *) usage ;; esac

# What building and running need; the Windows programs need the cross compilers; the tests need
# the rest. Wine needs the locales of its tests generated, and the Chinese fonts; 32-bit Windows
# programs need Debian's 32-bit Wine beside the 64-bit one.
packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk)
windows_packages=(cmake make git g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix nsis zip)
# The web edition needs Emscripten (which runs on Node.js); its tests drive Debian's browsers.
web_packages=(cmake make emscripten nodejs)
test_packages=(
    doctest-dev locales-all
    clang-tidy clang-format
    xvfb xauth xdotool x11-utils xfwm4 wmctrl dbus-daemon at-spi2-core orca
    desktop-file-utils appstream dpkg-dev file lintian reuse
    libx11-dev libxdamage-dev
    wine wine64 wine32:i386
    chromium firefox-esr
)
# The checks that need more than a compiler, CMake and Qt, all on for the test run.
checks=(-DLIREVOX_LINT=ON -DLIREVOX_DESKTOP_TESTS=ON -DLIREVOX_PACKAGE_CHECKS=ON -DLIREVOX_BENCHMARK=ON)
# The 64-bit and the 32-bit Windows program, each in a build folder of its own.
windows_builds=("build-windows cmake/mingw-w64-x86_64.cmake" "build-windows32 cmake/mingw-w64-i686.cmake")
# Each with its installer and portable zip; dist/ gathers what users download, with its checksums.
build_windows() {
    local folder toolchain
    for build in "${windows_builds[@]}"; do
        read -r folder toolchain <<<"$build"
        cmake -S . -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
            -DLIREVOX_WINDOWS_PACKAGES=ON "$@"
        cmake --build "$folder" --parallel "$(nproc)"
    done
    rm -rf dist && mkdir dist
    cp build-windows/Lirevox-*-win64* build-windows32/Lirevox-*-win32* dist/
    (cd dist && sha256sum Lirevox-* >SHA256SUMS)
}

# The core as WebAssembly and the page, in build-web; Emscripten's own tools need Node.js to find
# Debian's modules.
build_web() {
    export NODE_PATH=/usr/share/nodejs
    cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build build-web --parallel "$(nproc)"
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386
    fi
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
web)
    install_missing "${web_packages[@]}"
    build_web
    echo "Built build-web/lirevox.html ($(stat -c %s build-web/lirevox.html) bytes), and build-web/site/ for hosting."
    ;;
windows)
    install_missing "${windows_packages[@]}"
    build_windows
    echo "Built build-windows/lirevox.exe (64-bit), build-windows32/lirevox.exe (32-bit), and in dist/:"
    ls -l dist
    ;;
test)
    install_missing "${packages[@]}" "${windows_packages[@]}" "${web_packages[@]}" "${test_packages[@]}"
    # npm comes with Node.js from some sources, and as Debian's own package otherwise.
    command -v npm >/dev/null || install_missing npm
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${checks[@]}"
    cmake --build build --parallel "$(nproc)"
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    # The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIREVOX_SANITIZE=ON -DLIREVOX_DESKTOP_TESTS=ON
    cmake --build build-sanitize --parallel "$(nproc)"
    ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
    # The Windows programs and their tests under Wine, each in a Wine prefix made anew for the run.
    build_windows -DLIREVOX_DESKTOP_TESTS=ON -DLIREVOX_BENCHMARK=ON
    for folder in build-windows build-windows32; do
        rm -rf "$folder/wineprefix"
        ctest --test-dir "$folder" --output-on-failure
    done
    # The web edition: its tables under Node, its page in Chromium and Firefox, driven by the
    # browser driver package-lock.json pins (it downloads no browser).
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
    build_web -DLIREVOX_DESKTOP_TESTS=ON
    ctest --test-dir build-web --output-on-failure
    ;;
esac
