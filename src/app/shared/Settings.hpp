#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorvek::frontend {

// What the player set and finds again at the next start, in either front-end.
struct Settings {
  int Music = 100;  // percent of what the game asks for
  bool MusicMuted = false;
  int Effects = 100;  // the beep follows it
  bool EffectsMuted = false;
  bool Speech = true;   // the game's own voice, when started with --speak
  int SpeechRate = 50;  // percent: 0 slowest, 50 the voice's own, 100 fastest
  std::string Voice{};  // a Spanish voice by name; empty: the first one
  bool ReadCoordinates = true;

  bool operator==(const Settings& other) const = default;
};

// The settings a file's text holds. Total on any input, it never throws: text that is no
// settings (bad JSON, a wrong type, a level out of range) is `Damaged` and gives the
// defaults. Missing members keep their defaults; unknown ones are ignored.
struct ParsedSettings {
  Settings Values;
  bool Damaged = false;
};
ParsedSettings ParseSettings(std::string_view text);

// The file's text for some settings (ParseSettings reads it back the same).
std::string SettingsText(const Settings& settings);

// The settings file: ajustes.json in $XDG_CONFIG_HOME/zorvek, else ~/.config/zorvek;
// empty when neither can be told.
std::filesystem::path SettingsPath();

// The settings of the file at `path`. A missing file gives the defaults quietly; a
// damaged or unreadable one gives them with the notice to tell the player, once: a
// damaged file is replaced by the defaults at once.
struct LoadedSettings {
  Settings Values;
  std::string Notice;  // empty: nothing to tell
};
LoadedSettings LoadSettings(const std::filesystem::path& path);

// Writes the settings to `path` (its folder made when missing) through a file beside it
// renamed over it, so a crash never leaves half a file; false when it could not.
bool SaveSettings(const std::filesystem::path& path, const Settings& settings);

}  // namespace zorvek::frontend
