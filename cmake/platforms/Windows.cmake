# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The native Windows window, one statically linked program that needs no DLL beside it.
if(LIREVOX_BUILD_APP)
    add_link_options(-static)
    add_subdirectory(windows)
    if(LIREVOX_BENCHMARK)
        add_subdirectory(bench/windows)
    endif()
endif()
