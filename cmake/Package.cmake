# The Debian package: `cpack -G DEB` in a build folder packs what `cmake --install` installs (the
# programs, the desktop entry, the MIME type and the icon) under /usr. The library dependencies are
# computed from the binaries by dpkg-shlibdeps (package dpkg-dev); what the programs load at run time
# without linking it is named here. The MIME, desktop and icon caches are refreshed by the triggers
# of shared-mime-info, desktop-file-utils and the icon theme, so the package needs no scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME planova)
set(CPACK_PACKAGE_VENDOR KORVANE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Planner for Japanese school teachers")
set(CPACK_PACKAGE_DESCRIPTION "Day, week and month planner on organiser refill paper, with a ToDo \
list, a school-year generator with Japanese holidays, class-hour counts, sky information, printing \
and iCalendar and CSV export.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Planova developers <planova@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugin (windows on X11 and Wayland) and its SVG icon plugin are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# The face the planner asks for is substituted by IPAPGothic, then Noto Sans CJK JP.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
