# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# What Windows users download: a portable zip and an installer for the architecture, built
# reproducibly, so that two builds of one commit give the same bytes on any day: the commit's
# date stands in for the build's (SourceDate.cmake), the linker writes no time stamp, and no path
# of the build machine reaches a program.
include(${PROJECT_SOURCE_DIR}/cmake/SourceDate.cmake)
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

option(LIREVOX_WINDOWS_PACKAGES "The portable zip and the installer (Debian's zip and nsis)" OFF)
if(NOT LIREVOX_WINDOWS_PACKAGES)
    return()
endif()
find_program(LIREVOX_MAKENSIS makensis REQUIRED)
find_program(LIREVOX_ZIP zip REQUIRED)
find_program(LIREVOX_TOUCH touch REQUIRED)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(LIREVOX_ARCH win64)
else()
    set(LIREVOX_ARCH win32)
endif()
set(LIREVOX_RELEASE Lirevox-${PROJECT_VERSION}-${LIREVOX_ARCH})
set(LIREVOX_PORTABLE ${CMAKE_BINARY_DIR}/portable/Lirevox)

# The zip: the program, the licence and a Chinese read-me, in a folder named after the program.
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/portable
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LIREVOX_PORTABLE}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:lirevox> ${LIREVOX_PORTABLE}/lirevox.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt ${LIREVOX_PORTABLE}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/windows/README.txt ${LIREVOX_PORTABLE}/README.txt
    # Files dated by the commit, in a fixed order, without the extra fields that hold access times.
    COMMAND ${LIREVOX_TOUCH} -d @$ENV{SOURCE_DATE_EPOCH} ${LIREVOX_PORTABLE}/lirevox.exe ${LIREVOX_PORTABLE}/LICENSE.txt
            ${LIREVOX_PORTABLE}/README.txt
    COMMAND ${CMAKE_COMMAND} -E rm -f ${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}.zip
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/portable ${CMAKE_COMMAND} -E env TZ=UTC
            ${LIREVOX_ZIP} -X -q -9 ${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}.zip Lirevox/lirevox.exe Lirevox/LICENSE.txt
            Lirevox/README.txt
    DEPENDS lirevox ${PROJECT_SOURCE_DIR}/windows/README.txt ${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt
    COMMENT "Packing ${LIREVOX_RELEASE}.zip")

add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}-setup.exe
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH}
            ${LIREVOX_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DARCH=${LIREVOX_ARCH} -DVERSION=${PROJECT_VERSION}
            -DEXE=$<TARGET_FILE:lirevox> -DICON=${PROJECT_SOURCE_DIR}/windows/lirevox.ico
            -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt -DOUTFILE=${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}-setup.exe
            ${PROJECT_SOURCE_DIR}/windows/installer.nsi
    DEPENDS lirevox ${PROJECT_SOURCE_DIR}/windows/installer.nsi ${PROJECT_SOURCE_DIR}/windows/lirevox.ico
    COMMENT "Making ${LIREVOX_RELEASE}-setup.exe")
add_custom_target(lirevox_packages ALL DEPENDS ${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}.zip
                                               ${CMAKE_BINARY_DIR}/${LIREVOX_RELEASE}-setup.exe)
