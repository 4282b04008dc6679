#pragma once

#include <string>

namespace zorvek::frontend {

// The directory of the running binary, the program's directory by default (its saves and
// its Sonidos live there); "." when it cannot be told.
std::string ExecutableDir();

// Where one run of the game finds its files.
struct GamePlaces {
  std::string ProgramDir;  // the saved game, A.dat to F.dat
  std::string DataDir;     // the game's own files: the Sonidos folder and sample.wav
  std::string OwnDataDir;  // the player's own files that replace DataDir's; empty: none
  bool Installed = false;  // an installed game rather than a build folder
};

// The places of a game run from `executableDir`. An installed game (its binary in the
// games folder, its files in the shared games data folder beside it, wherever the two
// were installed together) reads its sounds there and keeps its saves in the player's
// data folder, whose own Sonidos folder and sample.wav, when there, come first. A run
// from a build folder keeps everything beside the binary, as the runner does.
GamePlaces FindPlaces(const std::string& executableDir);

// Everything in one folder given on the command line, as the runner's --dir.
GamePlaces PlacesIn(const std::string& dir);

}  // namespace zorvek::frontend
