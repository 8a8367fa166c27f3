# A Debian package from the install rules:
#   cpack -G DEB --config build/CPackConfig.cmake
# writes zorvek-number-puzzles_<version>_<arch>.deb. Library dependencies
# come from the binaries (dpkg-shlibdeps); the menu, MIME and icon caches
# are refreshed by the triggers of the packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvek-number-puzzles)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvek Number Puzzles")
set(CPACK_PACKAGE_CONTACT "Zorvek Number Puzzles developers <developers@zorvek.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku, Kakuro, Futoshiki and HexKakuro to solve and print")
set(CPACK_PACKAGE_DESCRIPTION
    "Creates four kinds of logic number puzzle at three difficulties, each with
one solution reachable by logic alone. Solve them on screen with pencil
marks, undo and a clock, save and load .puz files, and print single puzzles
or whole booklets with their solutions. The zorvek command-line tool makes
puzzles in bulk, checks them and prints booklets to PDF.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printed pages are measured in Liberation Sans; dpkg-shlibdeps cannot see that.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info, hicolor-icon-theme")
include(CPack)
