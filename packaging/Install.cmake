# Where an installed game lives: the binaries in games/, their files in share/games/zorvek,
# as Debian installs games.
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
