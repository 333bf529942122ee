# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The web edition: the calculations and the window's behaviour compiled to WebAssembly, shown by a
# page. Emscripten throws C++ exceptions only when asked to, and runs its programs, the tests among
# them, under Node, each program one file with its WebAssembly inside.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sSINGLE_FILE -sALLOW_MEMORY_GROWTH)
if(LIREVOX_BUILD_APP)
    add_subdirectory(web)
endif()
