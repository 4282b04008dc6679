# Installing the game as Debian installs games: the binaries in games/, their files in
# share/games/zorvek, the menu entry, AppStream metadata, the icon and the manual pages
# in their usual places; and the .deb that scripts/package makes from it.
include(GNUInstallDirs)

set(ZORVEK_INSTALL_GAMESDIR "games" CACHE STRING "Where the game binaries go, below the prefix")
set(ZORVEK_INSTALL_GAMEDATADIR "${CMAKE_INSTALL_DATADIR}/games/zorvek" CACHE STRING
  "Where the game's sounds go, below the prefix")

# The installed binary finds its files from its own folder, so that the same build runs
# from /usr, /usr/local or a package unpacked anywhere.
file(RELATIVE_PATH ZORVEK_DATA_FROM_GAMES
  "/prefix/${ZORVEK_INSTALL_GAMESDIR}" "/prefix/${ZORVEK_INSTALL_GAMEDATADIR}")
target_compile_definitions(zorvek_frontend PRIVATE
  ZORVEK_DATA_FROM_GAMES="${ZORVEK_DATA_FROM_GAMES}" ZORVEK_VERSION="${PROJECT_VERSION}")

set(ZORVEK_ID org.zorvek.Zorvek)
set(ZORVEK_STAGE ${CMAKE_BINARY_DIR}/install-files)
configure_file(data/${ZORVEK_ID}.metainfo.xml.in ${ZORVEK_STAGE}/${ZORVEK_ID}.metainfo.xml @ONLY)

# Manual pages and the changelog are installed compressed, as Debian keeps them.
find_program(ZORVEK_GZIP gzip REQUIRED)
set(ZORVEK_GZIPPED)
foreach(page zorvek.6 zorvek-tty.6 changelog)
  if(page STREQUAL changelog)
    configure_file(packaging/changelog.in ${ZORVEK_STAGE}/${page} @ONLY)
  else()
    configure_file(man/${page}.in ${ZORVEK_STAGE}/${page} @ONLY)
  endif()
  add_custom_command(
    OUTPUT ${ZORVEK_STAGE}/${page}.gz
    COMMAND ${ZORVEK_GZIP} -9nf -k ${ZORVEK_STAGE}/${page}
    DEPENDS ${ZORVEK_STAGE}/${page}
    VERBATIM)
  list(APPEND ZORVEK_GZIPPED ${ZORVEK_STAGE}/${page}.gz)
endforeach()
add_custom_target(zorvek_install_files ALL DEPENDS ${ZORVEK_GZIPPED})

install(TARGETS zorvek zorvek-tty RUNTIME DESTINATION ${ZORVEK_INSTALL_GAMESDIR})
install(FILES ${ZORVEK_SOUND_FILES} DESTINATION ${ZORVEK_INSTALL_GAMEDATADIR}/Sonidos)
install(FILES ${CMAKE_BINARY_DIR}/sample.wav DESTINATION ${ZORVEK_INSTALL_GAMEDATADIR})
install(FILES data/${ZORVEK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZORVEK_STAGE}/${ZORVEK_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${ZORVEK_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ZORVEK_STAGE}/zorvek.6.gz ${ZORVEK_STAGE}/zorvek-tty.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${ZORVEK_STAGE}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Its dependencies come from the shared libraries the binaries link
# (dpkg-shlibdeps); only what Qt loads at run time, unseen by the linker, is named here:
# the platform plugins that open a window, and the speech plugin that --speak talks to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvek)
set(CPACK_PACKAGE_VENDOR "The Zorvek developers")
set(CPACK_PACKAGE_CONTACT "Zorvek maintainers <maintainers@users.noreply.c-seed-c27867c1.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dungeon role-playing game told in text and positional sound")
# The synopsis is the summary above; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Zorvek is a single-player dungeon role-playing game played entirely from
the keyboard and told in Spanish text and positional sound, made so that
blind players can play it with a screen reader. Every step answers with a
sentence, the wind marks the exits, bubbles sound at nearby objects, and
combat and music fill the rest: five generated dungeon phases, twelve
heroes to recruit, monsters, spells, keys and locks, shops and bar puzzles.

The desktop game (zorvek) is read by Orca; the terminal game (zorvek-tty)
is the same game as plain lines of text, for console screen readers,
braille lines and SSH.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
