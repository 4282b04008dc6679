#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/SoundPlayer.hpp"

namespace zorvek::frontend {

// The start menu's own music: "sonidos/Song_of_the_seas.mp3" from the game's files
// folder, looped on a player of its own while the menu is shown.
class MenuMusic {
 public:
  MenuMusic(SoundSystem& sound, std::string filesDir)
      : sound_(sound), filesDir_(std::move(filesDir)) {}
  ~MenuMusic() { Release(); }
  MenuMusic(const MenuMusic&) = delete;
  MenuMusic& operator=(const MenuMusic&) = delete;

  // Plays the song on a player made anew each time the menu is shown again.
  void Start();
  // Stops it while a game window is open.
  void Stop();
  // Unloads the song and shuts the player down.
  void Release();
  bool Playing() const { return playing_; }

 private:
  SoundSystem& sound_;
  std::string filesDir_;
  std::unique_ptr<SoundPlayer> player_;
  int32_t song_ = 0;
  bool playing_ = false;
};

}  // namespace zorvek::frontend
