# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The native Windows window, one statically linked program that needs no DLL beside it.
# A release carries no symbols: what users download is the program alone.
add_link_options(-static $<$<CONFIG:Release>:-s>)
# CTest runs the Windows programs under Wine, in a prefix of the build's own.
if(CMAKE_CROSSCOMPILING)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine_run.sh)
endif()
include(cmake/WindowsPackaging.cmake)
if(LIREVOX_BUILD_APP)
    add_subdirectory(windows)
    if(LIREVOX_BENCHMARK)
        add_subdirectory(bench/windows)
    endif()
endif()
