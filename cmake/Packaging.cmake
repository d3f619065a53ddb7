# Installation into /usr and the Debian package built by scripts/package (CPack, DEB).
set(LADRIX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${LADRIX_PACKAGING_DIR}/ladrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LADRIX_PACKAGING_DIR}/ladrix-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ladrix.xml)
install(FILES ${LADRIX_PACKAGING_DIR}/icons/ladrix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${LADRIX_PACKAGING_DIR}/icons/ladrix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ladrix.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ladrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ladrix")
set(CPACK_PACKAGE_CONTACT "Ladrix developers <ladrix@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Programming tool for the Orvane QL100/RB1 and QL300/RB2 controllers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries' packages come from what the programs link (dpkg-shlibdeps); the platform
# plugins and the font are loaded at run time and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
