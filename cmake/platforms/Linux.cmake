# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The Qt window, its desktop integration and the Debian package.
if(LIREVOX_BUILD_APP)
    find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets)
    qt_standard_project_setup()
    add_subdirectory(app)
    add_subdirectory(resources)
    if(LIREVOX_BENCHMARK)
        add_subdirectory(bench)
    endif()
    include(cmake/Packaging.cmake)
endif()
