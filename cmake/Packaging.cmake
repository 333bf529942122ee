# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# A Debian package: cpack -G DEB in the build folder. Its Depends are the fonts, and what
# dpkg-shlibdeps computes from the binary; Recommends lists what Qt loads at run time and the binary
# cannot show.
set(CPACK_PACKAGE_NAME lirevox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Oztrabel)
set(CPACK_PACKAGE_CONTACT "Oztrabel <packages@oztrabel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LC resonance calculator")
set(CPACK_PACKAGE_DESCRIPTION "Computes the resonant frequency, capacitance or inductance of an LC circuit
from the other two, in a high band (microhenry, megahertz) or a low band
(millihenry, kilohertz). The window's texts are in Simplified Chinese.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://oztrabel.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Without a CJK font every Chinese text is boxes: the package depends on a Song face and a sans face
# among those the window looks for, with alternatives, so that users keep their choice.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-arphic-uming, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-translations-l10n")
# Reproducible: cpack stamps the commit's date, as the Windows packages do, whenever it runs.
include(${PROJECT_SOURCE_DIR}/cmake/SourceDate.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/CPackSourceDate.cmake
     "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n    set(ENV{SOURCE_DATE_EPOCH} ${LIREVOX_SOURCE_DATE})\nendif()\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackSourceDate.cmake)
include(CPack)

# What Debian asks of every package's documentation: the machine-readable copyright, and the
# changelog and manual page compressed without a time stamp.
set(LIREVOX_DEBIAN_DOCS ${CMAKE_CURRENT_BINARY_DIR}/debian-docs)
file(MAKE_DIRECTORY ${LIREVOX_DEBIAN_DOCS})
foreach(document cmake/debian/changelog resources/lirevox.1)
    get_filename_component(name ${document} NAME)
    execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${document} OUTPUT_FILE ${LIREVOX_DEBIAN_DOCS}/${name}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${LIREVOX_DEBIAN_DOCS}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lirevox)
install(FILES ${LIREVOX_DEBIAN_DOCS}/lirevox.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
