# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by tools/package.sh: voka_<version>_<arch>.deb,
# holding what cmake/Install.cmake installs under /usr.
set(VOKA_MAINTAINER "The voka developers <voka@users.noreply.example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The voka developers")
set(CPACK_PACKAGE_CONTACT ${VOKA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed programs carry no debug information; the build keeps it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VOKA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are read from the programs' shared libraries, so a new
# library linked by any part of the product reaches the package by itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"star images behind a telescope's central obstruction and spider
voka shows how what blocks light in front of a reflecting telescope's
mirror, the central obstruction and the vanes that hold the secondary
mirror, shapes the image of a star. The pupil is drawn as a Windows
bitmap; voka computes its spectrum and traces rays to the focus, and
voka-batch runs the same analyses without a window.
.
Sample pupils, a menu entry and manual pages come with it.")

include(CPack)
