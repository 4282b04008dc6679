#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Table.hpp"
#include "platform/SoundPlayer.hpp"

namespace zorvek {

// One channel of the effects bank: its player, the loaded sound and the playing instance.
struct EffectChannel {
  std::unique_ptr<SoundPlayer> Player;
  int32_t Loaded = 0;
  int32_t Playing = 0;
};

// One channel of the music bank.
struct MusicChannel {
  std::unique_ptr<SoundPlayer> Player;
  int32_t Loaded = 0;
};

// One entry of the combat sound queue; Result -1 marks an empty entry
// (0 miss or no damage, 1 damage done, 2 the target died).
struct CombatSound {
  std::string Name;
  int16_t Result = -1;
};

// Everything the game window keeps about sound.
struct SoundState {
  std::vector<EffectChannel> Effects;  // channels 0 to the count given at initialisation
  std::vector<MusicChannel> Music;
  int16_t CombatChannel = 0;  // last combat channel used, 8 to 11; 0 before the first
  Slots<CombatSound, 30> Queue;
  int16_t QueueCursor = 0;
};

}  // namespace zorvek
