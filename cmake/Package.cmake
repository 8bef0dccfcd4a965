# The Debian package: `cpack -G DEB` in a build folder packs what `cmake --install` installs (the
# programs, the desktop entry, the MIME type, the icon, the AppStream metadata, the manual pages, the
# bash completion, the copyright file and the changelog; see res/install.cmake) under /usr. The library dependencies are
# computed from the binaries by dpkg-shlibdeps (package dpkg-dev); what the programs load at run time
# without linking it is named here. The MIME, desktop and icon caches are refreshed by the triggers
# of shared-mime-info, desktop-file-utils and the icon theme, so the package needs no scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME planova)
set(CPACK_PACKAGE_VENDOR KORVANE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Planner for Japanese school teachers")
# The long description below the summary; its lines stay within 80 columns (Debian policy), and
# CPack indents each one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Day, week and month planner modelled on a loose-leaf personal organiser,
with a ToDo list, a school-year generator with Japanese holidays,
class-hour counts, sky information, printing on organiser refill paper
and export to iCalendar, CSV and Excel workbooks.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Set at configure time: -DPLANOVA_MAINTAINER="Name <address>" (res/install.cmake has the default).
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PLANOVA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PLANOVA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugin (windows on X11 and Wayland) and its SVG icon plugin are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# The face the planner asks for is substituted by IPAPGothic, then Noto Sans CJK JP.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
