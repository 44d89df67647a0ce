# The Debian package, made from the install tree by CPack:
#   cpack -G DEB        (in a build folder; writes pictavo_<version>_<arch>.deb)
# The package installs under /usr: the programs in /usr/bin, the data folder
# in /usr/share/pictavo, the desktop files (desktop/) in /usr/share. Its
# library dependencies are computed by dpkg-shlibdeps (Debian package
# dpkg-dev); those that the programs load at run time without linking them are
# listed here. tests/install/run.sh installs the package on a fresh Debian and
# checks it.

set(PICTAVO_PACKAGE_MAINTAINER "The Pictavo developers <pictavo@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME pictavo)
set(CPACK_PACKAGE_VENDOR "The Pictavo developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${PICTAVO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build static web photo albums")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/pictavo/pictavo")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PICTAVO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by Qt at run time, so dpkg-shlibdeps cannot see them: the SVG icon
# engine and image plug-in (toolbar, menu and window icons) come with
# libqt6svg6; the platform plug-ins (xcb, offscreen) with libqt6gui6, which
# the programs link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# xdg-utils opens previews and the manual in the browser; a font lets the
# offscreen platform of pictavo-cli draw the CD album's title cards.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "build static web photo albums
Pictavo builds static web photo albums. You assemble an album, a tree of
folders each holding an ordered list of pictures, media files and links, set
the website and layout properties, and Pictavo writes a complete HTML site:
paged thumbnail grids, one page per picture with navigation buttons, and the
copied or converted media.
.
It also exports a CD photo album with a slide-show viewer, shows pictures in a
zooming viewer and converts image formats in batches. The package holds the
desktop program pictavo, the command-line tool pictavo-cli and the viewer
pictavo-viewer.")

set(CPACK_GENERATOR DEB)
include(CPack)
