# `make package`: a Debian package of everything `cmake --install` puts in
# place. dpkg-shlibdeps (dpkg-dev) works out the libraries it depends on, Qt
# with its xcb platform and the multimedia plugins for the sound among them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kettwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kettwerk-Team")
set(CPACK_PACKAGE_CONTACT "Kettwerk-Team <kettwerk@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "runs Pro/ENGINEER mapkeys on a whole list of CAD files")
# Lines under 80 characters, as the control file wants them; no double
# quotes, which do not survive CPack's configuration file.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Kettwerk writes doit.pro for Pro/ENGINEER Wildfire 2.0: one mapkey 'doit'"
  "that opens every file of a list in turn, runs the mapkeys you name on it"
  "and erases it from memory. On request it appends a mapkey 'auto' to"
  "config.pro, so that typing 'auto' loads and runs the batch."
  "The window is in German; kettwerk-batch does the same from a shell.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kettwerk_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The design font's metric twin, and xdg-open for "Datei editieren" and the
# contact link.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
