# `cpack -G DEB` in a Release build makes vemlik_VERSION_ARCH.deb. Library dependencies are
# computed by dpkg-shlibdeps; the Qt translation and the fonts that the windows ask for by name
# are data, which no library dependency brings along.
set(CPACK_PACKAGE_NAME vemlik)
set(CPACK_PACKAGE_VENDOR "The Vemlik developers")
set(CPACK_PACKAGE_CONTACT "The Vemlik developers <vemlik@vemlik.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_PACKAGE_DESCRIPTION
    "Vemlik converts numerical values between the systems of physical units
SI, MKSA, cgs and English units, with its whole user interface in Czech.
A line such as '36 km/h' or 'cm/min 12 ft/hr' gives the converted value
with its unit.

The package holds the window program vemlik and the batch tool vemlik-cli,
which converts lines from files or a pipe. License: GPL-3.0-or-later.")
# Control files and directories owned by root with the usual modes, whatever the umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
