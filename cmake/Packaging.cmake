# `make package`: a Debian package of everything the install rules install
# (the programs, the man page and, when the window is built, its desktop file
# and icon), built by CPack. Included last, after every install rule.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zelvor")
set(CPACK_PACKAGE_CONTACT "Zelvor developers <zelvor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checker for the map files of the text game Kestrane")
set(CPACK_PACKAGE_DESCRIPTION "Zelvor reads the location files of a Kestrane game area and reports \
every error and warning with its file and line. It comes as a command-line \
checker, zelvor-check, for authors and their CI, and as a desktop window, zelvor.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The shared libraries the programs link (the C++ runtime, and Qt for the
# window) become dependencies through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugin at run time, so no linked library names it.
if(TARGET zelvor)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
