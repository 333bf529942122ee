# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The web edition: the calculations and the window's behaviour compiled to WebAssembly, shown by a
# page. Emscripten throws C++ exceptions only when asked to (as WebAssembly exceptions, which every
# current browser and Node.js take), and runs its programs, the tests among them, under Node, each
# program one file with its WebAssembly inside (the page's core keeps its own, which the page
# carries gzipped). The browser reads every byte of the page before its first frame: everything is
# built for size, whole-program.
add_compile_options(-fwasm-exceptions -Oz -flto)
add_link_options(-fwasm-exceptions -Oz -flto -sSINGLE_FILE -sALLOW_MEMORY_GROWTH)
if(LIREVOX_BUILD_APP)
    add_subdirectory(web)
endif()
