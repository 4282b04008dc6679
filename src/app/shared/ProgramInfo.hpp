#pragma once

#include <string>

#include "app/shared/ProgramDir.hpp"

namespace zorvek::frontend {

// The game's version, as the build was told it.
std::string GameVersion();

// What `--version` prints for `program` (zorvek, zorvek-tty).
std::string VersionText(const std::string& program);

// The close of `--help`: where this run keeps the saved game and reads the sounds.
std::string FilesHelp(const GamePlaces& places);

// The line of `--help` that names the settings file.
std::string SettingsHelp();

}  // namespace zorvek::frontend
