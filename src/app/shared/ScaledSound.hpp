#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>

#include "platform/SoundPlayer.hpp"

namespace zorvek::frontend {

// The volume a player's level makes of what the game asks for: `percent` of it (0 to
// 100), so that the game's own values, and the distances they tell, keep their order.
int32_t ScaledVolume(int32_t asked, int percent);

// A sound system that plays another's players with the music and the effects each at a
// level of the player's choice. The game's own volume values pass through scaled; a new
// level reaches every player of its bank at once, sounds already playing included.
class ScaledSoundSystem final : public SoundSystem {
 public:
  // `beep` plays the platform beep at a level in percent (the effects').
  ScaledSoundSystem(SoundSystem& inner, std::function<void(int)> beep);
  // The same over a system it keeps.
  ScaledSoundSystem(std::unique_ptr<SoundSystem> inner, std::function<void(int)> beep);
  ~ScaledSoundSystem() override;
  ScaledSoundSystem(const ScaledSoundSystem&) = delete;
  ScaledSoundSystem& operator=(const ScaledSoundSystem&) = delete;

  std::unique_ptr<SoundPlayer> Create(SoundBank bank, int channel) override;

  // A bank's level in percent, 0 when muted.
  void SetLevel(SoundBank bank, int percent);
  int Level(SoundBank bank) const;
  // The beep, at the effects' level.
  void Beep();

  class Player;
  struct Banks {
    std::array<int, 2> Levels{100, 100};
    std::set<Player*> Players;
  };

 private:
  std::unique_ptr<SoundSystem> owned_;
  SoundSystem& inner_;
  std::function<void(int)> beep_;
  std::shared_ptr<Banks> banks_;
};

}  // namespace zorvek::frontend
