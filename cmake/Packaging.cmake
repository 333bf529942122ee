# A Debian package: cpack -G DEB in the build folder. Its Depends are computed from the binary by
# dpkg-shlibdeps; Recommends lists what Qt loads at run time and the binary cannot show.
set(CPACK_PACKAGE_NAME lirevox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Oztrabel)
set(CPACK_PACKAGE_CONTACT "Oztrabel <packages@oztrabel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LC resonance calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Computes the resonant frequency, capacitance or inductance of an LC circuit from the other two.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://oztrabel.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk | fonts-arphic-uming")
include(CPack)
