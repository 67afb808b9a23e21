# The Debian package of every game (scripts/package runs CPack): what
# cmake --install puts under the prefix, placed under /usr, with the dependencies
# dpkg-shlibdeps reads from the programs plus the sound font and fonts they load.

include_guard(GLOBAL)
include(GNUInstallDirs)

set(SLOTS_PACKAGE_NAME slot-machine-family)
set(SLOTS_PACKAGE_DOCS ${CMAKE_INSTALL_DATADIR}/doc/${SLOTS_PACKAGE_NAME})

# The package's copyright file and changelog, as Debian expects them in every package.
configure_file(${PROJECT_SOURCE_DIR}/cmake/package/copyright.in ${CMAKE_BINARY_DIR}/package/copyright @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${PROJECT_SOURCE_DIR}/cmake/package/changelog
    ${CMAKE_BINARY_DIR}/package/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/package/changelog
  VERBATIM)
add_custom_target(slots_package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/package/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
  DESTINATION ${SLOTS_PACKAGE_DOCS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SLOTS_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${SLOTS_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "Slot machine family developers <developers@slots.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slot machine games for the desktop")
# The extended description below the summary; CPack indents each line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Three-reel video slot machines played for credits, never for money, each
a program of its own with one machine window: Orevein Slots, in a gold-rush
mine. Every game has sound effects and music, a bonus game, eight saved-game
slots, a statistics window, a loan desk, a pay chart and a manual.

The package also holds slots-sim, which plays millions of spins of a game
without a window and prints their figures, and slots-par, which prints a game's
exact PAR sheet.")
# Installed with the prefix /usr below DESTDIR, so that the manual pages name the
# folders the package puts the games in.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SLOTS_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
