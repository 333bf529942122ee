# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# clang-tidy on the calculations and the Qt window, and clang-format on every C++ source, as checks
# that CTest runs with the tests.
if(LIREVOX_LINT)
    find_program(LIREVOX_RUN_CLANG_TIDY NAMES run-clang-tidy run-clang-tidy-14 REQUIRED)
    add_test(NAME clang_tidy
             COMMAND ${LIREVOX_RUN_CLANG_TIDY} -quiet -p ${CMAKE_BINARY_DIR} "^${PROJECT_SOURCE_DIR}/(app|calc|ui)/")
    lirevox_register_test(clang_tidy)
    file(GLOB_RECURSE LIREVOX_FORMATTED ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
         ${PROJECT_SOURCE_DIR}/calc/*.cpp ${PROJECT_SOURCE_DIR}/calc/*.h
         ${PROJECT_SOURCE_DIR}/ui/*.cpp ${PROJECT_SOURCE_DIR}/ui/*.h ${PROJECT_SOURCE_DIR}/windows/*.cpp
         ${PROJECT_SOURCE_DIR}/windows/*.h ${PROJECT_SOURCE_DIR}/web/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*/*.cpp
         ${PROJECT_SOURCE_DIR}/tests/*/*.h)
    lirevox_add_script_test(clang_format "clang-format" clang-format --dry-run -Werror ${LIREVOX_FORMATTED})
endif()
