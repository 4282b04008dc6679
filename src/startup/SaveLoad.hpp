#pragma once

#include <filesystem>

#include "model/Game.hpp"

namespace zorvek {

// The one saved game: six files A.dat to F.dat.

// The player's own data folder for the game: $XDG_DATA_HOME/zorvek when that is an
// absolute path, else ~/.local/share/zorvek; empty when neither can be named.
std::filesystem::path UserDataDirectory();

// Where the save files live: the program's directory, or, when it cannot be written
// (an installed game), the user's data directory ($XDG_DATA_HOME/zorvek, else
// ~/.local/share/zorvek). Empty when neither can be named.
std::filesystem::path SaveDirectory(const Game& game);

// Where a load reads from: of the program's directory and the user's data directory,
// the one holding the newer save (a save made while the program's directory could not
// be written stays reachable); SaveDirectory when neither holds one.
std::filesystem::path LoadDirectory(const Game& game);

// F7: writes the whole game over the previous save. Each file is written to a
// temporary name beside it and renamed over the old one only when all six are on
// disk, so a failed save keeps the previous one. Says "Partida guardada" in the data
// line (naming the directory when it is not the program's), or that the save failed.
// Returns whether it saved.
bool GuardarPartida(Game& game);

// F8: replaces the game with the saved one and rebuilds what the player hears and
// sees in the loaded room (without entering it again). All six files are read and
// checked first; a missing or damaged save is told in the data line and changes
// nothing. Returns whether it loaded.
bool CargarPartida(Game& game);

// The start-up's load ("Cargar partida" in the start menu): as CargarPartida; when no
// save can be loaded, the freshly built game is played and a message box says why.
void ResumeSavedGame(Game& game);

}  // namespace zorvek
