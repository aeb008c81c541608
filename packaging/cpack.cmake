# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME brevant)
set(CPACK_PACKAGE_VENDOR "Quorvel Software")
set(CPACK_PACKAGE_CONTACT "Quorvel Software <support@quorvel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flat patterns for sheet-metal fabrication")
set(CPACK_PACKAGE_DESCRIPTION
    "Lays out cones, cylinders, square-to-round transitions, spiral conveyor flights and branch pipes as flat patterns; nests them on the sheet, shows the solid and writes DXF, IGES, PDF and a data sheet. Includes brevant-cli for batch work.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brevant)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.example/brevant")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt 6 and C++ runtime libraries the programs link, found by dpkg-shlibdeps; the xcb
# platform plugin is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, libgl1-mesa-dri")
include(CPack)
